#pragma once
// The panel's own window messages (WM_USER + n, numbers kept as the host and the list control
// know them) and the control ids of its skinned buttons, in creation order.

#include "include/kesto/panel_api.h"

#include <array>

namespace kesto::msg {

inline constexpr unsigned kNothing = 1076;
inline constexpr unsigned kGenericRequest = 1084;
inline constexpr unsigned kLyrics = 1085;
inline constexpr unsigned kNowPlayingToPhone = 1086;
inline constexpr unsigned kNowPlayingToMp3Player = 1087;
inline constexpr unsigned kAddFilesDialog = KESTO_PANEL_ADD_FILES;
inline constexpr unsigned kAddFilesSecond = KESTO_PANEL_ADD_FILES_SECOND;
inline constexpr unsigned kLocalAlbumRows = 1090;
inline constexpr unsigned kCartRows = 1091;
inline constexpr unsigned kAddToOnlineAlbum = 1092;
inline constexpr unsigned kDownloadRow = 1093;
inline constexpr unsigned kChosenGiftMessagePage = 1094;
inline constexpr unsigned kDeviceDelete = 1098;
inline constexpr unsigned kReloadPage = 1101;
inline constexpr unsigned kNextListPage = 1102;
inline constexpr unsigned kPreviousListPage = 1103;
inline constexpr unsigned kDropDownCell = 1104;
inline constexpr unsigned kToListControl = 1105;
inline constexpr unsigned kPhoneDecoPage = 1106;
inline constexpr unsigned kRowToCart = 1107;
inline constexpr unsigned kRowLyrics = 1108;
inline constexpr unsigned kRowMusicVideo = 1109;
inline constexpr unsigned kGiftMessagePage = 1110;
inline constexpr unsigned kArtistPage = 1111;
inline constexpr unsigned kAlbumPage = 1112;
inline constexpr unsigned kRowListen = 1117;
inline constexpr unsigned kStateIconListen = 1118; // the play-state icon of a row that is not grey
inline constexpr unsigned kDelete = KESTO_PANEL_DELETE;
inline constexpr unsigned kLocalPageReady = 1120;
inline constexpr unsigned kMoveRows = 1121; // to the list that a drag within it was dropped on
inline constexpr unsigned kToPhone = 1123;
inline constexpr unsigned kToMp3Player = 1124;
inline constexpr unsigned kUpdateAndReload = 1126;
inline constexpr unsigned kInfoPage = KESTO_PANEL_INFO_PAGE;
inline constexpr unsigned kRowSongWebPage = 1147;
inline constexpr unsigned kPhoneDecoWithTransaction = 1209;
inline constexpr unsigned kMusicVideoPage = 1210;
inline constexpr unsigned kMvDownloadPage = 1211;
inline constexpr unsigned kMvDownloadPage2 = 1212;
inline constexpr unsigned kPostFormToHtmlView = 1430;

// What the list control sends to the mini play list window in place of its panel messages.
inline constexpr unsigned kMiniPlayRow = 1139;
inline constexpr unsigned kMiniLyrics = 1141;
inline constexpr unsigned kMiniIconClick = 1142;
inline constexpr unsigned kMiniPhoneDeco = 1144;

// wParam of kUpdateAndReload that triggers the reload.
inline constexpr int kReloadToken = 1075;

// Window-system messages the panel window takes as numbered messages.
inline constexpr unsigned kWindowClose = 16;                    // WM_CLOSE
inline constexpr unsigned kWindowSize = 5;                      // WM_SIZE
inline constexpr unsigned kWindowCommand = KESTO_PANEL_COMMAND; // WM_COMMAND: wParam is the control id
inline constexpr unsigned kWindowTimer = 275;                   // WM_TIMER: wParam is the timer id

} // namespace kesto::msg

namespace kesto::cmd {

inline constexpr int kSearch = KESTO_BUTTON_SEARCH;
inline constexpr int kPreviousPage = KESTO_BUTTON_PREVIOUS_PAGE;
inline constexpr int kNextPage = KESTO_BUTTON_NEXT_PAGE;
inline constexpr int kStartPage = KESTO_BUTTON_START_PAGE;
inline constexpr int kToListControl = KESTO_BUTTON_TO_LIST_CONTROL;
inline constexpr int kListen = KESTO_BUTTON_LISTEN;
inline constexpr int kNothing = KESTO_BUTTON_NOTHING;
inline constexpr int kCart = KESTO_BUTTON_CART;
inline constexpr int kGift = KESTO_BUTTON_GIFT;
inline constexpr int kDownload = KESTO_BUTTON_DOWNLOAD;
inline constexpr int kDeleteFromCart = KESTO_BUTTON_DELETE_FROM_CART;
inline constexpr int kMyAlbum = KESTO_BUTTON_MY_ALBUM;
inline constexpr int kPlayList = KESTO_BUTTON_PLAY_LIST;
inline constexpr int kBuy = KESTO_BUTTON_BUY;
inline constexpr int kBuy2 = KESTO_BUTTON_BUY_SECOND;
inline constexpr int kMove = KESTO_BUTTON_MOVE;
inline constexpr int kNextListPage = KESTO_BUTTON_NEXT_LIST_PAGE;
inline constexpr int kPreviousListPage = KESTO_BUTTON_PREVIOUS_LIST_PAGE;
inline constexpr int kBlankButton = KESTO_BUTTON_BLANK;
inline constexpr int kToPhone = KESTO_BUTTON_TO_PHONE;
inline constexpr int kToMp3Player = KESTO_BUTTON_TO_MP3_PLAYER;
inline constexpr int kArtistIndex = KESTO_BUTTON_ARTIST_INDEX;

// The skinned buttons, in the order they are created.
inline constexpr std::array<int, 21> kButtonOrder = {
    kSearch,           kArtistIndex, kPreviousPage, kNextPage, kStartPage, kBlankButton, kNextListPage,
    kPreviousListPage, kListen,      kNothing,      kCart,     kGift,      kDownload,    kDeleteFromCart,
    kMyAlbum,          kMove,        kPlayList,     kBuy,      kBuy2,      kToPhone,     kToMp3Player};

} // namespace kesto::cmd
