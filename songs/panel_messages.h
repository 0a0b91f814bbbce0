#pragma once
// The panel's own window messages (WM_USER + n, numbers kept as the host and the list control
// know them) and the control ids of its skinned buttons, in creation order.

#include <array>

namespace kesto::msg {

inline constexpr unsigned kNothing = 1076;
inline constexpr unsigned kGenericRequest = 1084;
inline constexpr unsigned kLyrics = 1085;
inline constexpr unsigned kNowPlayingToPhone = 1086;
inline constexpr unsigned kNowPlayingToMp3Player = 1087;
inline constexpr unsigned kAddFilesDialog = 1088;
inline constexpr unsigned kAddFilesSecond = 1089;
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
inline constexpr unsigned kParentCellIcon = 1118; // to the list control's parent window
inline constexpr unsigned kDelete = 1119;
inline constexpr unsigned kLocalPageReady = 1120;
inline constexpr unsigned kMoveRows = 1121; // to the list that a drag within it was dropped on
inline constexpr unsigned kToPhone = 1123;
inline constexpr unsigned kToMp3Player = 1124;
inline constexpr unsigned kUpdateAndReload = 1126;
inline constexpr unsigned kInfoPage = 1146;
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
inline constexpr unsigned kWindowClose = 16;    // WM_CLOSE
inline constexpr unsigned kWindowSize = 5;      // WM_SIZE
inline constexpr unsigned kWindowCommand = 273; // WM_COMMAND: wParam is the control id
inline constexpr unsigned kWindowTimer = 275;   // WM_TIMER: wParam is the timer id

} // namespace kesto::msg

namespace kesto::cmd {

inline constexpr int kSearch = 1034;
inline constexpr int kPreviousPage = 1035;
inline constexpr int kNextPage = 1036;
inline constexpr int kStartPage = 1037;
inline constexpr int kToListControl = 1044;
inline constexpr int kListen = 1045;
inline constexpr int kNothing = 1046;
inline constexpr int kCart = 1047;
inline constexpr int kGift = 1048;
inline constexpr int kDownload = 1050;
inline constexpr int kDeleteFromCart = 1052;
inline constexpr int kMyAlbum = 1053;
inline constexpr int kPlayList = 1054;
inline constexpr int kBuy = 1055;
inline constexpr int kBuy2 = 1056;
inline constexpr int kMove = 1057;
inline constexpr int kNextListPage = 1058;
inline constexpr int kPreviousListPage = 1059;
inline constexpr int kBlankButton = 1122; // made in its place in the row, with no operation
inline constexpr int kToPhone = 1123;
inline constexpr int kToMp3Player = 1124;
inline constexpr int kArtistIndex = 1145;

// The skinned buttons, in the order they are created.
inline constexpr std::array<int, 21> kButtonOrder = {
    kSearch,           kArtistIndex, kPreviousPage, kNextPage, kStartPage, kBlankButton, kNextListPage,
    kPreviousListPage, kListen,      kNothing,      kCart,     kGift,      kDownload,    kDeleteFromCart,
    kMyAlbum,          kMove,        kPlayList,     kBuy,      kBuy2,      kToPhone,     kToMp3Player};

} // namespace kesto::cmd
