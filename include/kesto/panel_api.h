/*
 * Kesto_List: the list panel module of the Kesto player.
 *
 * The module exports one function, Song_GetPanelInfo, which hands the host a table of 76
 * entry points. Usable from C and C++.
 *
 * Loading (a Qt host):
 *   1. Set Qt::AA_ShareOpenGLContexts, then create the QApplication (the panel's web view
 *      needs the shared contexts, and they must exist before the application object).
 *   2. dlopen("libKesto_List.so"), dlsym("Song_GetPanelInfo"), call it once with the host's
 *      main window (a QWidget* passed as void*). Cast each table slot to its typedef below.
 *   3. Entry 14 with the six start-up values, entry 39 with the login reply, entry 16 to
 *      create the panel, then sizing (18, 19), pages (23) and the rest as the user works;
 *      for mini mode 27 and 29 (create), 26 (switch), 30 and 28 (close); finally entry 17.
 *
 * Threading: every entry is called on the host's GUI thread (the thread of the QApplication)
 * and returns on it. Entries marked [blocks] call the host's request function (network
 * table entry 4) and wait for its reply on the calling thread; the module sets no time-out.
 * Host table functions are called on the GUI thread, with one exception:
 *   - service table B entry 22 (KESTO_SVC_B_READ_TAGS) is also called on the module's own
 *     reader threads, which read the tags of folder and local album pages while the GUI
 *     thread goes on (and may call it too). A host must allow that: its tag reader may run
 *     on any thread, on several at once.
 * No other host function is called off the GUI thread.
 *
 * Failures: no exception leaves Song_GetPanelInfo or an entry. Work that fails inside the
 * module (memory refused, a file system error, ...) ends the call with its failure value:
 *   - 0 from the entries returning an integer: 0, 1, 6, 7, 9, 12, 13, 14, 16, 17, 18, 21,
 *     22, 25, 27, 29, 34, 35, 36, 48, 52, 53, 54, 56 to 61, 64, 65, 66, 68, 72, 73, 75;
 *   - NULL from the entries returning a pointer: 2, 3, 10, 20, 31, 32, 74 (and from
 *     Song_GetPanelInfo);
 *   - nothing from the others (void): 4, 5, 8, 11, 15, 19, 23, 24, 26, 28, 30, 33, 37 to 47,
 *     49, 50, 51, 55, 62, 63, 67, 69, 70, 71.
 * Out buffers may then hold part of a result. The module stays loaded and usable.
 *
 * Logging: the module prints nothing by default. Every failure it swallows (the above, a
 * database error, an unreadable file, a refused reply, a damaged settings value, a missing
 * host function) leaves one warning in a Qt logging category: kesto.entry, kesto.panel,
 * kesto.pages, kesto.commands, kesto.protocol, kesto.library, kesto.settings, kesto.songs,
 * kesto.columns, kesto.platform, kesto.host. QT_LOGGING_RULES="kesto.*=true" shows them.
 *
 * Ownership:
 *   - A reply block filled by the host's request function is malloc'ed by the host and
 *     free'd by the module.
 *   - A text buffer attached to a message posted to the host is malloc'ed by the module and
 *     free'd by the host (see the message list).
 *   - Text arguments of entries are borrowed for the duration of the call; out buffers
 *     belong to the caller and are written within the sizes given here.
 *   - Texts are CP949 bytes, NUL-terminated.
 *   - A window handle is a QWidget* passed as void*.
 */
#ifndef KESTO_PANEL_API_H
#define KESTO_PANEL_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define KESTO_EXPORT __attribute__((visibility("default")))
#else
#define KESTO_EXPORT
#endif

/* ---- Numbers a host hands to the panel. ---- */

/* Menu ids of entry 23 for the pages a host commonly shows (the panel takes many more). */
enum {
    KESTO_MENU_NOW_PLAYING = 0,
    KESTO_MENU_SERVICE_LIST = 1001, /* a chart or another list of the store, by its code */
    KESTO_MENU_ONLINE_ALBUMS = 2100,
    KESTO_MENU_DOWNLOAD_STORAGE = 3000,
    KESTO_MENU_LOCAL_ALBUMS = 4000,
    KESTO_MENU_LOCAL_ALBUM = 4100 /* one local album, by its id */
};

/* View modes of entry 23. */
enum { KESTO_VIEW_SERVER = 2, KESTO_VIEW_LIST = 4 };

/* Window messages a host may post to the panel window (entry 16's window, as a
 * WindowMessageEvent of window_message.h) to act as the panel's own controls do. */
enum {
    KESTO_PANEL_COMMAND = 273,           /* wParam: a button's control id below; lParam 0 */
    KESTO_PANEL_ADD_FILES = 1088,        /* wParam as entry 56's value: the add-file dialog */
    KESTO_PANEL_ADD_FILES_SECOND = 1089, /* wParam as entry 56's value: its second variant */
    KESTO_PANEL_DELETE = 1119,           /* 0, 0: delete the ticked songs, as entry 60 */
    KESTO_PANEL_INFO_PAGE = 1146         /* 0, 0: the information page of the focused song */
};

/* Control ids of the panel's buttons (wParam of KESTO_PANEL_COMMAND). */
enum {
    KESTO_BUTTON_SEARCH = 1034,
    KESTO_BUTTON_PREVIOUS_PAGE = 1035,
    KESTO_BUTTON_NEXT_PAGE = 1036,
    KESTO_BUTTON_START_PAGE = 1037,
    KESTO_BUTTON_TO_LIST_CONTROL = 1044,
    KESTO_BUTTON_LISTEN = 1045,
    KESTO_BUTTON_NOTHING = 1046,
    KESTO_BUTTON_CART = 1047,
    KESTO_BUTTON_GIFT = 1048,
    KESTO_BUTTON_DOWNLOAD = 1050,
    KESTO_BUTTON_DELETE_FROM_CART = 1052,
    KESTO_BUTTON_MY_ALBUM = 1053,
    KESTO_BUTTON_PLAY_LIST = 1054,
    KESTO_BUTTON_BUY = 1055,
    KESTO_BUTTON_BUY_SECOND = 1056,
    KESTO_BUTTON_MOVE = 1057,
    KESTO_BUTTON_NEXT_LIST_PAGE = 1058,
    KESTO_BUTTON_PREVIOUS_LIST_PAGE = 1059,
    KESTO_BUTTON_BLANK = 1122, /* made in its place in the row, with no operation */
    KESTO_BUTTON_TO_PHONE = 1123,
    KESTO_BUTTON_TO_MP3_PLAYER = 1124,
    KESTO_BUTTON_ARTIST_INDEX = 1145
};

/* ---- Messages posted by the module to the host window (numbers are WM_USER + n). ---- */
enum {
    KESTO_MSG_OPEN_WEB_PAGE = 1130, /* wParam URL text, lParam form text or 0 (both malloc'ed, host frees) */
    KESTO_MSG_PLAY_NOW_PLAYING = 1133,   /* wParam start position, lParam 1 */
    KESTO_MSG_SERVER_ERROR = 1142,       /* wParam result code (-10000: no reply), lParam message copy or 0 */
    KESTO_MSG_LOGIN_INVALID = 1143,      /* 0, 0 */
    KESTO_MSG_SONG_INFO_PAGE = 1151,     /* wParam form text (malloc'ed), lParam 0 */
    KESTO_MSG_PHONE_DECO_PAGE = 1153,    /* wParam URL text, lParam form text (both malloc'ed) */
    KESTO_MSG_MUSIC_VIDEO_PAGE = 1154,   /* wParam URL text, lParam form text (both malloc'ed) */
    KESTO_MSG_MV_DOWNLOAD_PAGE = 1155,   /* wParam URL text, lParam form text (both malloc'ed) */
    KESTO_MSG_SONG_WEB_PAGE = 1157,      /* wParam URL text, lParam form text (both malloc'ed) */
    KESTO_MSG_PLAYLIST_CHANGED = 1228,   /* wParam 4, lParam 0 */
    KESTO_MSG_LOAD_LIST = 1232,          /* wParam 1 play list, 2 my album */
    KESTO_MSG_MINI_MODE_SWITCHED = 1331, /* 0, 0 */
    KESTO_MSG_LYRICS_WANTED = 1426,      /* wParam 0, lParam 21-byte Song_ID copy (malloc'ed) */
    KESTO_MSG_MINI_LIST_CLOSED = 1428,   /* 0, 0: the mini list's close button hid it (NowPlay is "0") */
    KESTO_MSG_SONG_TEXT_NOTICE = 1429,   /* 0, 0: the song-text window was created */
    /* The mini list's window. "Docked": its top edge lies on the bottom edge of the host's main
     * window (the top-level window of the host window, frame included) and the two overlap
     * horizontally. A host that keeps a docked mini list under its main window stops doing so
     * on 5029 and takes it up again on a 5031 or 5033 that says docked. */
    KESTO_MSG_MINI_MOVE_STARTED = 5029, /* wParam 1 when it sat docked as the user took its caption,
                                           else 0; lParam 0 */
    KESTO_MSG_MINI_MOVED = 5031,        /* the user's move ended: wParam 1 when it ends docked, else 0;
                                           lParam KESTO_PACK_PAIR(left, top) on the screen */
    KESTO_MSG_MINI_RESIZED = 5032,      /* the user's resize ended: wParam 0;
                                           lParam KESTO_PACK_PAIR(width, height) */
    KESTO_MSG_MINI_SHOWN = 5033         /* entry 34 showed (wParam 1) or hid (0) it; lParam 1 when it
                                           sits docked */
};

/* Two signed 16-bit values packed into one message value (low half a, high half b), and back. */
#ifdef __cplusplus
#define KESTO_PACK_PAIR(a, b)                                                                                \
    (static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(b)) << 16) |                         \
                           static_cast<uint16_t>(a)))
#define KESTO_PAIR_LOW(v) (static_cast<int>(static_cast<int16_t>(static_cast<uint16_t>((v)&0xFFFF))))
#define KESTO_PAIR_HIGH(v)                                                                                   \
    (static_cast<int>(static_cast<int16_t>(static_cast<uint16_t>(((v) >> 16) & 0xFFFF))))
#else
#define KESTO_PACK_PAIR(a, b) ((intptr_t)(((uint32_t)(uint16_t)(b) << 16) | (uint16_t)(a)))
#define KESTO_PAIR_LOW(v) ((int)(int16_t)(uint16_t)((v)&0xFFFF))
#define KESTO_PAIR_HIGH(v) ((int)(int16_t)(uint16_t)(((v) >> 16) & 0xFFFF))
#endif

/* A rectangle in the host's coordinates (Win32 RECT layout). */
typedef struct KestoRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} KestoRect;

/* ---- Host tables: arrays of function pointers handed over by entry 14. ----
 * A table is an array of KestoHostFn; the module casts a slot to the typedef of that slot.
 * Slots the host does not serve may be NULL; the module checks before calling. */
typedef void (*KestoHostFn)(void);
typedef KestoHostFn* KestoHostTable;

/* Minimum table sizes a host provides (the module reads no slot beyond these). */
enum {
    KESTO_SKIN_TABLE_SIZE = 16,
    KESTO_NET_TABLE_SIZE = 8,
    KESTO_SERVICE_A_TABLE_SIZE = 64,
    KESTO_SERVICE_B_TABLE_SIZE = 32
};

/* Host network table. Entry 4: sends an HTTP request and blocks the caller until the reply.
 * (url, &data, &length, post flag, body or NULL, 1, 0) -> non-zero when *data holds a
 * malloc'ed block of *length reply bytes (not NUL-terminated), which the module frees; zero
 * means no reply (the module sets *data and *length to 0 before the call). No other entry
 * of the network table is called. */
enum { KESTO_NET_REQUEST = 4 };
typedef int (*KestoNetRequestFn)(const char* url, void** data, uint32_t* length, int post, const char* body,
                                 int one, int zero);

/* Skin table. Every skinned dialog and message box of the panel is handed the table. */
enum {
    KESTO_SKIN_IMAGE = 3, /* (image id) -> image (a QPixmap* owned by the host) or NULL */
    KESTO_SKIN_CREATE_BUTTON =
        4, /* (parent, control id, image id, rect) -> button (a QWidget*, child of parent) */
    KESTO_SKIN_APPLY_WINDOW = 7, /* (window, 1): skins a mini window's frame */
    KESTO_SKIN_TEXT_COLOR = 8,   /* () -> text colour of the mini windows, 0xRRGGBB */
    KESTO_SKIN_BUTTON_READY = 9, /* (button): called once on each created button */
    KESTO_SKIN_BACK_COLOR = 13   /* () -> background colour of the mini windows, 0xRRGGBB */
};
/* Image ids 1200 to 1205 of entry 3 are the web view's scroll bar images, in this order: "scrollbarVThumb",
 * "scrollbarUp", "scrollbarDown", "scrollbarHThumb", "scrollbarLeft", "scrollbarRight", each stretched over
 * its part of a 14-pixel bar. When any is NULL the web view keeps the engine's own bars. */
enum { KESTO_SKIN_SCROLLBAR_IMAGES = 1200 };
typedef void* (*KestoSkinImageFn)(int imageId);
typedef void* (*KestoSkinCreateButtonFn)(void* parent, int controlId, int imageId, const KestoRect* rect);
typedef void (*KestoSkinApplyWindowFn)(void* window, int flag);
typedef int32_t (*KestoSkinColorFn)(void);
typedef void (*KestoSkinButtonReadyFn)(void* button);

/* Host service table A (entries used by position). Entries not named here take up to three
 * word-sized values and return one (KestoServiceFn); a host may log and return 0. */
enum {
    KESTO_SVC_A_BEFORE_PLAY = 1,      /* (0, 0): before the panel plays from the now-playing store */
    KESTO_SVC_A_AFTER_PLAY = 2,       /* () -> result handed back to the caller after playing */
    KESTO_SVC_A_IS_PLAYING = 4,       /* () -> non-zero when the host plays the now-playing list (a song
                                         of it playing or paused). Asked when the panel window is made
                                         (entry 16) and when mini mode ends (entry 26 with 0): while it
                                         answers non-zero the panel shows the now-playing page (menu id
                                         0, page kind 1, view mode 4), so the user sees what plays */
    KESTO_SVC_A_DEVICE_DELETE = 25,   /* (NULL-terminated array of texts): device paths to delete */
    KESTO_SVC_A_MP3_CONNECTED = 26,   /* (text out, 260 bytes) -> non-zero when an MP3 player is connected */
    KESTO_SVC_A_PHONE_CONNECTED = 28, /* () -> non-zero when a phone is connected */
    KESTO_SVC_A_OPEN_SONG_TEXT = 29,  /* (const KestoRect* screen rect): the mini list wants the song-text
                                         window for lyrics and it does not exist; the host creates it with
                                         entry 29 (and may place it). The module then moves it to rect and
                                         loads the lyrics; while the window is still absent nothing loads */
    KESTO_SVC_A_CLOSE_SONG_TEXT = 30, /* (): the song-text window's close button was pressed; the host
                                         closes the window (entry 30, which keeps its rectangle) */
    KESTO_SVC_A_CREATE_PLAYLIST = 32, /* (name) -> album id of the new play list */
    KESTO_SVC_A_TRANSFER = 33,        /* (item list, write flag, 0): transfer or download the items: songs
                                         for a device, paid songs to download, a song whose lyrics file is
                                         missing; a download runs until its files are in LastSaveFolder,
                                         each as "<Song_ID>.dcf", the path the panel records for it
                                         in the play list chosen in the download dialog */
    KESTO_SVC_A_CREATE_MY_ALBUM = 41  /* (name) -> non-zero when the on-line my album was made */
};
typedef intptr_t (*KestoServiceFn)(intptr_t a, intptr_t b, intptr_t c);
typedef void (*KestoSvcBeforePlayFn)(int a, int b);
typedef void (*KestoSvcCloseFn)(void);
typedef void (*KestoSvcOpenSongTextFn)(const KestoRect* rect);
typedef int (*KestoSvcIntFn)(void);
typedef void (*KestoSvcDeviceDeleteFn)(const char* const* paths);
typedef int (*KestoSvcMp3ConnectedFn)(char* textOut);
typedef int (*KestoSvcCreatePlaylistFn)(const char* name);
/* items: an array of KestoSongRecord ended by a record whose Song_ID and Local_Path are empty. */
typedef void (*KestoSvcTransferFn)(const void* items, int writeFlag, int zero);
typedef int (*KestoSvcCreateMyAlbumFn)(const char* name);

/* Host service table B. */
enum {
    KESTO_SVC_B_VALUE = 0,     /* () -> int, returned unchanged by panel entry 9 */
    KESTO_SVC_B_READ_TAGS = 22 /* (file path, 1080-byte buffer) -> 0 when the file cannot be read */
};
typedef int (*KestoSvcValueFn)(void);
typedef int (*KestoSvcReadTagsFn)(const char* path, void* buffer);

/* The tag buffer of KESTO_SVC_B_READ_TAGS: allocated by the module (first four bytes zeroed),
 * filled by the host. Texts are NUL-terminated CP949 cut to their capacity; integers are
 * int32 in host byte order at possibly unaligned offsets (copy them with memcpy). */
enum {
    KESTO_TAG_BUFFER_SIZE = 1080,
    KESTO_TAG_TITLE = 0, /* text, capacity 255 bytes with terminator */
    KESTO_TAG_TITLE_SIZE = 255,
    KESTO_TAG_ARTIST = 255, /* text, capacity 255 bytes with terminator */
    KESTO_TAG_ARTIST_SIZE = 255,
    KESTO_TAG_ALBUM = 510, /* text, capacity 255 (host's; the module does not read it) */
    KESTO_TAG_ALBUM_SIZE = 255,
    KESTO_TAG_GENRE = 765, /* text, capacity 255 (host's) */
    KESTO_TAG_GENRE_SIZE = 255,
    KESTO_TAG_FILE_SIZE = 1032,   /* int32: file size in bytes */
    KESTO_TAG_SAMPLE_RATE = 1036, /* int32: samples per second (host's) */
    KESTO_TAG_BITRATE = 1040,     /* int32: bit rate in bits per second */
    KESTO_TAG_CHANNELS = 1044,    /* int32 (host's) */
    KESTO_TAG_TRACK = 1048,       /* int32: track number (host's) */
    KESTO_TAG_PLAY_TIME = 1052    /* int32: playing time in seconds */
};

/* ---- The song record. ----
 * Entries 12 and 68 and host service table A entry 33 hand song records to the host in this
 * layout (the module checks at compile time that its own record matches it byte for byte).
 * Texts are NUL-terminated CP949 cut to the array size, which includes the terminator; an
 * absent value is the empty text. Integers are in host byte order at their natural alignment.
 * KESTO_SONG_RECORD_SIZE is sizeof(KestoSongRecord) wherever int32_t is 4-byte aligned. */
typedef struct KestoSongRecord {
    char Song_ID[21];
    char Song_Name[260];
    int32_t Play_Time; /* seconds */
    char Quality_Flags[21];
    char Artist_ID[21];
    char Artist_Name[201];
    char Album_ID[21];
    char Album_Name[201];
    char Date_1[15];
    char Date_2[16];
    int32_t Has_Lyrics;
    int32_t Has_Message;
    char Expire_Date[20];
    char Added_Date[33];
    int32_t Listen_Count;
    int32_t File_Size;   /* bytes */
    uint8_t File_Format; /* 0 mp3, 1 aac, 2 skm, 3 and 4 dcf, 5 wma, 6 ogg, 7 wav, 8 asf, 9 bell, 10 other */
    char Service_Flags[6];
    char Gift_Peer[21];
    char Row_Text[280];
    int32_t Item_Type;
    char Modified_Date[15];
    char Local_Path[260]; /* empty for a streaming song */
    char Source[203];
    int32_t Bitrate;
    int32_t Is_Current;
    char Menu_ID[6];
    char List_Menu_Code[22];
    int32_t Phone_Deco;
    int16_t Source_Kind;
    int32_t Play_State;
    int32_t Marked; /* the tick of the row in the now-playing list */
    int32_t Shuffle_Mark;
    char Transaction_ID[24];
    int32_t Serviceable; /* 0: the service has stopped the song */
    char Date_3[15];
    char Extra_Text[260];
    char MV_ID[21];
    char MV_Name[260];
    char Source_ID[21];
    char Purchase_Time[15];
    int32_t List_Value;
    int32_t Purchase_Mark;
    char Last_Play_Time[18];
    char Rank_Text[260];
    char Cart_Item_ID[260];
    int32_t Cart_Value;
    char Section_Start[260];
    char Section_End[260];
    char Download_Date[15];
    char Free_Download_Period[260];
    char Gift_Status[260];
    char Cast[260];
    char MV_Size[260];
} KestoSongRecord;

enum { KESTO_SONG_RECORD_SIZE = 4452 };

/* The now-playing store as entry 12 hands it over: lParam of the sent message is a
 * const KestoSongList*. The records are a copy taken when the message is sent and stay valid
 * until the receiver returns from handling it; a host copies what it keeps. The host walks
 * records[0] to records[count - 1]; current is the index of the current song or -1. */
typedef struct KestoSongList {
    int32_t count;
    int32_t current;
    const KestoSongRecord* records;
} KestoSongList;

/* ---- The panel entry table. ----
 * Song_GetPanelInfo(host window) returns the address of 76 entries (KESTO_ENTRY_COUNT), or
 * NULL when the window is NULL, when a host window was accepted already, or when the panel
 * exists. Call it once. The table lives as long as the module is loaded.
 *
 * "panel", "mini list" and "song text" are the list panel and the two mini windows; an entry
 * that reaches one of them does nothing (or returns 0, or NULL) while it is absent. "mini
 * mode" means the mini list exists and the panel's mini-mode flag is set (entry 26). */
enum { KESTO_ENTRY_COUNT = 76 };
typedef void (*KestoEntryFn)(void);

/* Sizes of out buffers that the host passes to entries. */
enum {
    KESTO_SERVER_TIME_SIZE = 64, /* entry 2 */
    KESTO_PLAY_TEXT_SIZE = 260,  /* entry 10 and entry 24's short texts */
    KESTO_PLAY_URL_SIZE = 1024   /* entry 24's result texts 1, 3 and 4 */
};

typedef int (*KestoEntry0)(void); /* number of songs in the now-playing store */
typedef int (*KestoEntry1)(void); /* 1 in mini mode, else 0 */
typedef char* (*KestoEntry2)(
    char* buffer); /* [blocks] server time into buffer (KESTO_SERVER_TIME_SIZE); returns it */
typedef void* (*KestoEntry3)(void); /* the login block: int state (-1 until entry 39), char[260] u_key,
                                       char[260] password, ...; module-wide, valid while loaded */
typedef void (*KestoEntry4)(const char* path); /* imports the audio files at path (mini list in mini mode) */
/* [blocks] opens a panel dialog for the song ids in a (separated by ';'): kind 0 the purchase
 * dialog, 1 the gift dialog, any other a download through the purchase dialog; b is unused. */
typedef void (*KestoEntry5)(int kind, const char* a, const char* b);
/* Entries 6 and 7: the panel option integer (0 until set). 0: the now-playing page scrolls to
 * each song entry 24 hands out; 1: it marks the song without scrolling the user's view. */
typedef int (*KestoEntry6)(void);         /* reads the panel option integer */
typedef int (*KestoEntry7)(int value);    /* sets the panel option integer, returns it */
typedef void (*KestoEntry8)(void);        /* mini list: clears its current-song mark, redraws */
typedef int (*KestoEntry9)(void);         /* result of service table B entry 0 (0 without table) */
typedef char* (*KestoEntry10)(char* out); /* copies the text stored with the last song entry 24
                                             handed out: the stream address (reply field 1) of a
                                             streaming song, the file of a local one; empty before
                                             the first (KESTO_PLAY_TEXT_SIZE, cut to fit); returns out */
typedef void (*KestoEntry11)(void);       /* forwards to the panel's song list control */
typedef intptr_t (*KestoEntry12)(void* window, unsigned message); /* sends message to window with
                                                 wParam 0, lParam the now-playing store as a
                                                 const KestoSongList* (valid while the receiver
                                                 handles it); returns the receiver's result;
                                                 0 without panel */
typedef int (*KestoEntry13)(void);                                /* current page kind */
typedef int (*KestoEntry14)(void* resource, KestoHostTable skin, KestoHostTable net, int tagService,
                            KestoHostTable serviceA, KestoHostTable serviceB); /* start-up values; -> 1.
                                                 Call before 16. The tables must outlive the module. */
typedef void (*KestoEntry15)(void);                                            /* does nothing */
typedef int (*KestoEntry16)(const KestoRect* rect, int noBlank); /* creates the panel as a child of the
                                                 host window; noBlank suppresses "about:blank"; 1 or 0 */
typedef int (*KestoEntry17)(void); /* destroys panel, mini list, song text (in this order); 1. A host
                                      window destroyed before it is forgotten at once: from then on
                                      the module posts nothing to the host */
/* Entry 18: SetWindowPos on the panel. insertAfter is a sibling window of the panel (the panel
 * goes right below it in the stacking order) or one of the handles below; flags combine the
 * values below (other bits are ignored). Returns 1, or 0 without a panel window. */
#ifdef __cplusplus
#define KESTO_HANDLE_VALUE(v) (reinterpret_cast<void*>(static_cast<intptr_t>(v)))
#else
#define KESTO_HANDLE_VALUE(v) ((void*)(intptr_t)(v))
#endif
#define KESTO_HWND_TOP KESTO_HANDLE_VALUE(0)        /* top of the stacking order */
#define KESTO_HWND_BOTTOM KESTO_HANDLE_VALUE(1)     /* bottom */
#define KESTO_HWND_TOPMOST KESTO_HANDLE_VALUE(-1)   /* as the top: the panel is a child window */
#define KESTO_HWND_NOTOPMOST KESTO_HANDLE_VALUE(-2) /* as the top */
enum {
    KESTO_SWP_NOSIZE = 0x1,      /* keeps the size: cx and cy are ignored */
    KESTO_SWP_NOMOVE = 0x2,      /* keeps the position: x and y are ignored */
    KESTO_SWP_NOZORDER = 0x4,    /* keeps the stacking order: insertAfter is ignored */
    KESTO_SWP_SHOWWINDOW = 0x40, /* shows the panel */
    KESTO_SWP_HIDEWINDOW = 0x80  /* hides the panel */
};
typedef int (*KestoEntry18)(void* insertAfter, int x, int y, int cx, int cy, unsigned flags);
typedef void (*KestoEntry19)(int x, int y, int cx, int cy, int repaint); /* moves the panel */
typedef void* (*KestoEntry20)(void);                                     /* the panel's window or NULL */
/* Entries 21 and 22: the host-set integers of the list's drawing (0 until set). */
typedef int (*KestoEntry21)(int value); /* the host's skin type: 1 (or 0) the first skin's colours,
                                           2 or any other value the other skins'; returns it */
typedef int (*KestoEntry22)(int value); /* 0 marks the playing row in its own colour, any other
                                           value draws it as the other rows; returns it */
/* Entry 23 [blocks]: shows a list page. Paged server lists number their "No." column on from
 * the list page (page index x 50 + row + 1, x 20 in the cart, page kind 23) and page with the
 * buttons 1058 and 1059, with these exceptions:
 *   - A service list (menu id 1001) whose ranks read "NO" is one unranked list: while it is
 *     shown its paging sends nothing (a reload fetches it again) and both buttons are disabled. Entry 23 with
 * menu id 1001 clears that state and fetches the list anew, whatever was shown.
 *   - An album link of type 1 (entry 46, or a link of the HTML view or the link label, whose
 *     item 1 is 1) shows one whole album: "No." counts its tracks 1 to N whatever list page the
 *     reply names, the numbers stay with their tracks when the list is sorted, and the paging
 *     buttons stay disabled. Any other page shown clears that state. */
typedef void (*KestoEntry23)(int viewMode, const char* text, int menuId, const char* text2, int value);
/* Entry 24 [blocks]: the next song to play and its play grant. In: the host's text (a non-empty
 * text means no request), play mode (-2..2, 100..102), current position, restart flag. Out
 * (any may be NULL; texts written only when the result is non-empty): chosen position, song
 * name, artist, Song_ID, reply field 1 (URL size), field 2, fields 3 and 4 (URL size), field 5,
 * play time, local flag, local path, file format, lyrics flag, the stored text of entry 10.
 * Outside mini mode a streaming song then gets its lyrics steps: a missing cached lyrics file
 * goes to service table A's transfer (DownloadLyric nonzero; with 0 the user is asked first, in
 * a message box whose "do not show again" box, after OK, sets DownloadLyric), 1426 is posted, and the song's
 * lyrics page is shown in the HTML view. A local song listed from a local album counts one more
 * listen in its album row (Listen_Count), in mini mode too. */
typedef void (*KestoEntry24)(const char* hostText, int playMode, int position, int restart, int* outPosition,
                             char* outSongName, char* outArtist, char* outSongId, char* outField1,
                             int* outField2, char* outField3, char* outField4, int* outField5,
                             int* outPlayTime, int* outIsLocal, char* outLocalPath, int* outFileFormat,
                             int* outHasLyrics, char* outStoredText);
typedef int (*KestoEntry25)(int playState);         /* Play_State of the current now-playing record, also
                                                         shown on every row of the list with its Song_ID;
                                                         1, or 0 without a current record */
typedef void (*KestoEntry26)(int flag);             /* switches mini mode; may post 1331 */
typedef int (*KestoEntry27)(const KestoRect* rect); /* creates the mini list, a frameless tool window, in
                                                 rect (screen coordinates) as given; a rect of which no part
                                                 is on any screen is moved (and, where larger, shrunk) onto
                                                 the nearest screen; 0 when it exists */
typedef void (*KestoEntry28)(void);  /* destroys the mini list (its rectangle goes to Main\minilistRectInfo)
                                        and the song text */
typedef int (*KestoEntry29)(void);   /* creates the song text in Main\SongtextRectInfo, else 351 x 222
                                        centred; top-most when PlayerPanel\TopMost is "1"; posts 1429; 1 or 0.
                                        Called by the host at will, and in answer to service table A's
                                        entry 29 when the mini list wants lyrics shown */
typedef void (*KestoEntry30)(void);  /* stores the song text's rectangle, destroys it */
typedef void* (*KestoEntry31)(void); /* the mini list's window or NULL */
typedef void* (*KestoEntry32)(void); /* the song text's window or NULL */
/* Entry 33: the mini list's status text, drawn left of its total line (for example what the
 * host's player is doing: "버퍼링 중", the play mode); kept until the next call; an empty text
 * or NULL clears it. Does nothing without a mini list. */
typedef void (*KestoEntry33)(const char* text);
/* Entry 34: 5 shows the mini list, 0 hides it (either posts 5033); other commands are returned
 * unchanged. Returns 1 when the list was visible before, else 0 (0 without a mini list). */
typedef int (*KestoEntry34)(int command);
/* Entry 35, in mini mode: the song the host plays, for the mini list's play line. state 0
 * stopped (nothing drawn), 1 playing, 2 paused (other values: stopped); position and length
 * in seconds (the position is kept within the length); volume 0 to 100 (kept within). The
 * list draws a position bar and a volume bar under its caption and "01:23 / 04:56" at the
 * caption's right. Call it as the position moves (about once a second). Returns 1. */
typedef int (*KestoEntry35)(int state, int position, int length, int volume);
typedef int (*KestoEntry36)(const char* text);  /* text to the mini list (its caption: the song
                                                   played, "artist - title") and the song text; 1 */
typedef void (*KestoEntry37)(int flag);         /* 0 clears the selection; refreshes buttons */
typedef void (*KestoEntry38)(const char* text); /* [blocks] opens the download storage page */
typedef void (*KestoEntry39)(const char* loginReply, const char* userId, int c, int d);         /* d = 0 loads
                                                         the login block (works before entry 16); c = 1 [blocks]
                                                         requests the promotion text */
typedef void (*KestoEntry40)(int device, int unused, const char* title, const char* parameter); /* device list
                                                 page: device 0 the first (menu id 3100), else 3600 */
typedef void (*KestoEntry41)(void);       /* [blocks] a message box (information icon) tells the user
                                             that the playing song is stopped by the service */
typedef void (*KestoEntry42)(int target); /* [blocks] 1 transfer to a phone, else an MP3 player */
typedef void (*KestoEntry43)(const char* fileList); /* plays local files: NUL-separated full paths
                                                 ended by an empty one (double NUL). Outside mini
                                                 mode they go into the now-playing store as the
                                                 listen command puts songs (replacing its songs
                                                 unless HearingAppend is set), then 1133 */
typedef void (*KestoEntry44)(int value);            /* [blocks] the panel's generic request: the shown
                                                       server list is asked again at the list page the
                                                       user is on; value is not read */
typedef void (*KestoEntry45)(void);                 /* listen */
typedef void (*KestoEntry46)(const char* link);     /* [blocks] follows a link of the HTML view */
typedef void (*KestoEntry47)(int direction);        /* 1 next page, else previous */
typedef int (*KestoEntry48)(int direction);         /* whether that page exists */
typedef void (*KestoEntry49)(const char* path, const char* albumId); /* adds the local file at path
                                                 to the local album albumId (the shown one when
                                                 empty) unless the album holds it already; a shown
                                                 local album page lists it at once */
/* [blocks] adds songs by kind: 0 the add-file dialog, 1 the add-folder dialog, 2 the on-line my
 * album `values` (menu id 2200), 3 the local file or folder `values`, 4 the service list of code
 * `values` (menu id 1001). */
typedef void (*KestoEntry50)(int kind, const char* values);
/* Entry 51: the files of a device list (pages of entry 40), for the panel's second store. The
 * text holds one file per line ('\n'); a line's fields are cut at VT (0x0B): device path, title,
 * artist, size in bytes, play time in seconds, source kind (non-zero: the device keeps the file
 * apart; entry 25 of service table A then gets its path followed by "*"). Missing fields are
 * empty or 0. value 1 replaces the files, another non-zero value appends; a NULL text or 0
 * does nothing. A device list page shows these files, never the rows of another page. */
typedef void (*KestoEntry51)(const char* text, int value);
typedef int (*KestoEntry52)(void);                      /* clears the now-playing current mark */
typedef int (*KestoEntry53)(int flag);                  /* selects all (1) or no (0) rows */
typedef int (*KestoEntry54)(int value);                 /* reserved: 0 */
typedef void (*KestoEntry55)(void);                     /* panel command */
typedef int (*KestoEntry56)(int which, intptr_t value); /* posts 1088 (which 0) or 1089 to the panel */
typedef int (*KestoEntry57)(int which);                 /* posts 1090 (which 0) or 1091 to the panel. 1090
                                                           cuts the ticked songs of the local my-album page
                                                           (page kind 4) alone, 1091 copies those of the cart
                                                           pages (23, 29) alone; elsewhere nothing (logged).
                                                           A paste (Ctrl+V, row menus) puts them into the shown
                                                           list as a drop would; cut songs then leave theirs,
                                                           but for the list of every local song, which a song
                                                           leaves only by a delete */
typedef int (*KestoEntry58)(void);                      /* posts 1092 to the panel: the ticked songs go into
                                                           an on-line my album ("addSongToMyAlbum"), with the
                                                           checks and the my-album dialog of command 1053 */
typedef int (*KestoEntry59)(void);                      /* 1 when the panel's work list is not empty */
typedef int (*KestoEntry60)(void);                      /* posts 1119 (delete) to the panel; on the
                                                           now-playing page the ticked songs leave that
                                                           list only */
typedef int (*KestoEntry61)(void);                      /* reserved: 0 */
typedef void (*KestoEntry62)(int action, const uint16_t* positions, intptr_t extra); /* [blocks] acts on
                                                 now-playing songs; positions[0] is the count (any word;
                                                 positions outside the list are skipped). Action 5 (server
                                                 request) asks the shown list again, on the list page the
                                                 user is on, as entry 44 does */
typedef void (*KestoEntry63)(int value, const char* text); /* [blocks] download of the chosen songs; on
                                                 the buying history and the received gifts (page kinds
                                                 7 and 10) they are paid already and go straight to
                                                 service table A's entry 33. Elsewhere a download into a
                                                 play list: its dialog has the play list box of entry 69
                                                 (songs dropped into a local album: fixed on that album) */
typedef int (*KestoEntry64)(void);                         /* reserved: 0 */
typedef int (*KestoEntry65)(void);                         /* reserved: 0 */
typedef int (*KestoEntry66)(void);                         /* reserved: 0 */
typedef void (*KestoEntry67)(void); /* reads UpdateCODEC (the play command) again and redraws the
                                       list, the mini list and the song text */
typedef int (*KestoEntry68)(const char* path, void* record); /* fills the caller's KestoSongRecord
                                                 from a local file */
typedef void (*KestoEntry69)(int value, const char* text);   /* [blocks] download command, the user's own
                                                 (as button 1050 and the row's download icon): the full
                                                 dialog, with the save folder, "skip existing files"
                                                 (FileSkipWrite) and a play list box, "(none)" or a local
                                                 album (the last one chosen, PlayListSave, preselected);
                                                 the paid songs then go into that album */
typedef void (*KestoEntry70)(int value, const char* text);   /* [blocks] gift-box download; elsewhere a
                                                 download the host asks for: the same dialog without the
                                                 play list box, since the user chose the songs on no list
                                                 of the panel and they go to the save folder only */
typedef void (*KestoEntry71)(const char* songId);            /* opens the lyrics page of a song */
typedef int (*KestoEntry72)(int value);            /* writes DownloadLyric under Option (nonzero: the host
                                                      downloads a played song's missing lyrics file unasked;
                                                      0: the user is asked each time); returns value */
typedef int (*KestoEntry73)(const char* fileList); /* adds dropped files and the audio files of dropped
                                                         folders (list as in entry 43); how many went in */
typedef void* (*KestoEntry74)(int which, KestoRect* out); /* 1 list control, 2 panel's second child,
                                                 3 mini list's list, 4 song text's view: when visible,
                                                 its screen rectangle and window; else NULL */
typedef int (*KestoEntry75)(void);                        /* the HTML view shows "about:blank"; 1 */

typedef KestoEntryFn* (*KestoGetPanelInfoFn)(void* hostWindow);
KESTO_EXPORT KestoEntryFn* Song_GetPanelInfo(void* hostWindow);

#ifdef __cplusplus
}
#endif

#endif
