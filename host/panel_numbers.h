#pragma once
// The panel's numbers the player uses: menu ids of the pages it shows through entry 23, and the
// window messages and control ids it posts to the panel window as the panel's own buttons
// would. One place, so that the host's code names them and never spells a number.

namespace kesto {

namespace menu {
inline constexpr int kNowPlaying = 0;
inline constexpr int kChart = 1001;
inline constexpr int kMyAlbum = 2100;
inline constexpr int kDownloadStorage = 3000;
inline constexpr int kLocalAlbums = 4000;
inline constexpr int kLocalAlbum = 4100;
} // namespace menu

// View modes of entry 23.
namespace view {
inline constexpr int kServer = 2;
inline constexpr int kList = 4;
} // namespace view

namespace msg {
inline constexpr unsigned kWindowCommand = 273; // wParam: the control id
inline constexpr unsigned kAddFilesDialog = 1088;
inline constexpr unsigned kAddFilesSecond = 1089;
inline constexpr unsigned kDelete = 1119;
inline constexpr unsigned kInfoPage = 1146;
// The host's own number for entry 12's copy of the now-playing list.
inline constexpr unsigned kNowPlayingCopy = 6001;
} // namespace msg

// Control ids of the panel's buttons.
namespace cmd {
inline constexpr int kListen = 1045;
inline constexpr int kGift = 1048;
inline constexpr int kMyAlbum = 1053;
inline constexpr int kPlayList = 1054;
inline constexpr int kBuy = 1055;
inline constexpr int kMove = 1057;
} // namespace cmd

} // namespace kesto
