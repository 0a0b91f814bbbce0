/*
 * Kesto_List: the list panel module of the Kesto player.
 *
 * The module exports one function, Song_GetPanelInfo, which hands the host a table of 76
 * entry points. Usable from C and C++.
 *
 * (The calling and threading contract of every entry is documented below with its typedef.)
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

/* ---- Messages posted by the module to the host window (numbers are WM_USER + n). ---- */
enum {
    KESTO_MSG_OPEN_WEB_PAGE = 1130,      /* wParam URL text, lParam form text or 0 (both malloc'ed, host frees) */
    KESTO_MSG_PLAY_NOW_PLAYING = 1133,   /* wParam start position, lParam 1 */
    KESTO_MSG_SERVER_ERROR = 1142,       /* wParam result code (-10000: no reply), lParam message copy or 0 */
    KESTO_MSG_LOGIN_INVALID = 1143,      /* 0, 0 */
    KESTO_MSG_SONG_INFO_PAGE = 1151,     /* wParam form text, lParam 0 */
    KESTO_MSG_PHONE_DECO_PAGE = 1153,    /* wParam URL text, lParam form text */
    KESTO_MSG_MUSIC_VIDEO_PAGE = 1154,   /* wParam URL text, lParam form text */
    KESTO_MSG_MV_DOWNLOAD_PAGE = 1155,   /* wParam URL text, lParam form text */
    KESTO_MSG_SONG_WEB_PAGE = 1157,      /* wParam URL text, lParam form text */
    KESTO_MSG_PLAYLIST_CHANGED = 1228,   /* wParam 4, lParam 0 */
    KESTO_MSG_LOAD_LIST = 1232,          /* wParam 1 play list, 2 my album */
    KESTO_MSG_MINI_MODE_SWITCHED = 1331, /* 0, 0 */
    KESTO_MSG_LYRICS_WANTED = 1426,      /* wParam 0, lParam 21-byte Song_ID copy (malloc'ed) */
    KESTO_MSG_MINI_LIST_CLOSED = 1428,   /* 0, 0 */
    KESTO_MSG_SONG_TEXT_NOTICE = 1429,   /* 0, 0 */
    KESTO_MSG_MINI_5029 = 5029,
    KESTO_MSG_MINI_5031 = 5031,
    KESTO_MSG_MINI_5032 = 5032,
    KESTO_MSG_MINI_5033 = 5033
};

/* ---- Host tables: arrays of function pointers handed over by entry 14. ---- */
typedef void (*KestoHostFn)(void);
typedef KestoHostFn* KestoHostTable;

/* Host network table, entry 4: sends an HTTP request and blocks the caller until the reply.
 * (url, &data, &length, post flag, body or NULL, 1, 0) -> non-zero when *data holds a
 * malloc'ed block of *length reply bytes (not NUL-terminated), which the module frees. */
enum { KESTO_NET_REQUEST = 4 };
typedef int (*KestoNetRequestFn)(const char* url, void** data, uint32_t* length, int post, const char* body,
                                 int one, int zero);

#ifdef __cplusplus
}
#endif

#endif
