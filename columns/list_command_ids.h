#pragma once
// Command ids of the song list's header and context menus.

namespace kesto::listcmd {

inline constexpr int kAutoSizeColumn = 1099;
inline constexpr int kAutoSizeAll = 1100;
// Header menu entry of column i: kShowColumnBase + i.
inline constexpr int kShowColumnBase = 4875;

inline constexpr int kSongInfo = 32771;
inline constexpr int kLyrics = 32772;
inline constexpr int kAddFiles = 32773;
inline constexpr int kAddFolder = 32774;
inline constexpr int kCut = 32775;
inline constexpr int kCopy = 32776;
inline constexpr int kPaste = 32777;
inline constexpr int kSelectAll = 32778;
inline constexpr int kListCommand1 = 32780;
inline constexpr int kListCommand2 = 32781;
inline constexpr int kDelete = 32782;
inline constexpr int kInvertSelection = 32783;

inline constexpr int kDownload = 40001;
inline constexpr int kGiftMessage = 40002;
inline constexpr int kDeviceDelete = 40003;
inline constexpr int kDownload2 = 40005;
inline constexpr int kSongInfo2 = 40006;
inline constexpr int kLyrics2 = 40007;
inline constexpr int kGiftMessage2 = 40008;
inline constexpr int kDelete2 = 40009;
inline constexpr int kSelectAll2 = 40010;
inline constexpr int kUncheckAll = 40011;
inline constexpr int kAddFiles2 = 40012;
inline constexpr int kAddFolder2 = 40013;
inline constexpr int kCut2 = 40014;
inline constexpr int kCopy2 = 40015;
inline constexpr int kPaste2 = 40016;
inline constexpr int kListCommand1b = 40018;
inline constexpr int kListCommand2b = 40019;
inline constexpr int kDeviceDelete2 = 40020;
inline constexpr int kToPhone = 40023;
inline constexpr int kToMp3Player = 40024;
inline constexpr int kListen = 40065;
inline constexpr int kPutPlayList = 40066;
inline constexpr int kPutMyAlbum = 40067;
inline constexpr int kPutCart = 40068;
inline constexpr int kLoadPlayList = 40069;
inline constexpr int kPutGift = 40070;
inline constexpr int kLoadMyAlbum = 40071;
inline constexpr int kClearNowPlaying = 40072;
inline constexpr int kReportSong = 40073;
inline constexpr int kPhoneSms = 40074;

// The mini list's own commands, handled by the mini play list window.
inline constexpr int kMiniFirst = 40026;
inline constexpr int kMiniLast = 40054;
inline constexpr int kMiniSortByName = 40048;
inline constexpr int kMiniSortByTime = 40049;

} // namespace kesto::listcmd
