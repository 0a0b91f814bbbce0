#pragma once
// Every key path and value name of the settings tree, in one place. Paths are relative to
// HKEY_CURRENT_USER; sections are relative to kRootPath, as RegistryKey's accessors take them.

namespace kesto::settings {

inline constexpr char kRootPath[] = "Software\\Kesto\\";
// The base RegistrySection is built on (the same key: names ignore case).
inline constexpr char kSectionBase[] = "SoftWare\\Kesto";

// Sections.
inline constexpr char kRoot[] = "";
inline constexpr char kOption[] = "Option";
inline constexpr char kMain[] = "Main";
inline constexpr char kPlayerPanel[] = "PlayerPanel";
inline constexpr char kListColumnInfo[] = "ListPanel\\ListColumnInfo";
// Full path of the column layout, followed by "\<page kind>\<column kind>".
inline constexpr char kListColumnInfoPath[] = "Software\\Kesto\\ListPanel\\ListColumnInfo";
// The browser's option key, formatted with the application's key and profile name.
inline constexpr char kWebBrowserKeyFormat[] = "Software\\%s\\%s\\WebBrowser";

// Root values.
inline constexpr char kLastSaveFolder[] = "LastSaveFolder";
inline constexpr char kLastOpenFolder[] = "LastOpenFolder";
inline constexpr char kInstallPath[] = "InstallPath";
inline constexpr char kFileSkipWrite[] = "FileSkipWrite";
inline constexpr char kShowDeleteBox[] = "ShowDeleteBox";
inline constexpr char kKtpCheck[] = "KTPCheck";
inline constexpr char kPlayListSave[] = "PlayListSave";
inline constexpr char kSpliterTop[] = "SpliterTop";
inline constexpr char kSpliterHeight[] = "SpliterHeight";

// Option values.
inline constexpr char kHearingAppend[] = "HearingAppend";
inline constexpr char kDownloadLyric[] = "DownloadLyric";
inline constexpr char kShowDcfInfo[] = "ShowDcfInfo";

// Main values.
inline constexpr char kUpdateCodec[] = "UpdateCODEC";
inline constexpr char kSongTextRectInfo[] = "SongTextRectInfo";
// The spelling under which the song-text window reads its rectangle back.
inline constexpr char kSongTextRectInfoRead[] = "SongtextRectInfo";
inline constexpr char kMiniListRectInfo[] = "minilistRectInfo";

// PlayerPanel values (shared with the host).
inline constexpr char kNowPlay[] = "NowPlay";
inline constexpr char kTopMost[] = "TopMost";

// Values of one column key under kListColumnInfoPath.
inline constexpr char kColumnWidth[] = "Width";
inline constexpr char kColumnShow[] = "Show";
inline constexpr char kColumnIndex[] = "Index";
inline constexpr char kColumnName[] = "Name";

// Defaults of the table.
inline constexpr int kDefaultSpliterHeight = 170;
inline constexpr unsigned kUpdateCodecMissing = 99;
// Text flag that stops a dialog from being shown again.
inline constexpr char kFlagSet[] = "1";
inline constexpr char kFlagClear[] = "0";

} // namespace kesto::settings
