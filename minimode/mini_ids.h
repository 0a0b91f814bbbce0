#pragma once
// Control ids, menu commands and fixed sizes of the mini play list and the song-text window.

namespace kesto::mini {

// Buttons of the mini play list.
inline constexpr int kAddButton = 1000;
inline constexpr int kDeleteButton = 1001;
inline constexpr int kDownloadButton = 1002;
inline constexpr int kGiftButton = 1003;
inline constexpr int kPutButton = 1004;
inline constexpr int kListenButton = 1005;
inline constexpr int kCloseButton = 1006;
inline constexpr int kCheckAllButton = 1007;

// Commands of its popups.
inline constexpr int kDeleteAll = 40026;
inline constexpr int kDeleteChecked = 40028;
inline constexpr int kLoadMyAlbum = 40029;
inline constexpr int kPutMyAlbum = 40033;
inline constexpr int kPutPlayList = 40034;
inline constexpr int kPutCart = 40035;
inline constexpr int kAddFiles = 40040;
inline constexpr int kAddFolder = 40041;
inline constexpr int kLoadPlayList = 40042;
inline constexpr int kSortByName = 40048;
inline constexpr int kSortByTime = 40049;
// The list control's own add commands, forwarded to the window in the mini list.
inline constexpr int kListAddFiles = 32773;
inline constexpr int kListAddFolder = 32774;
inline constexpr int kListAddFiles2 = 40012;
inline constexpr int kListAddFolder2 = 40013;

// wParam of the host's "load a list" message.
inline constexpr int kLoadPlayListWhich = 1;
inline constexpr int kLoadMyAlbumWhich = 2;

// The song-text window's close button.
inline constexpr int kSongTextClose = 1101;

// Columns of the mini set that its sort commands use.
inline constexpr int kSongColumn = 2;
inline constexpr int kTimeColumn = 5;

// The clipboard format of songs dragged out of the mini list.
inline constexpr const char* kDragFormat = "DragDropMiniList";

} // namespace kesto::mini
