#pragma once
// What the mini windows say and show, as UTF-8 source text (converted to CP949 where shown
// in a message box).

namespace kesto::mini::text {

inline constexpr const char* kListTitle = "Kesto Minimode Player";
inline constexpr const char* kListClass = "Kesto Mini Player List";
inline constexpr const char* kSongTextTitle = "Kesto Minimode SongText";
inline constexpr const char* kSongTextClass = "Kesto Mini Player SongText";

inline constexpr const char* kSongHeading = "곡 명 - 아티스트";
inline constexpr const char* kTimeHeading = "시간";

inline constexpr const char* kNothingToPlay = "재생할 자료가 없습니다.";
inline constexpr const char* kDownloadNone = "선택된 곡이 없습니다.\n다운로드 받으실 곡을 선택하세요.";
inline constexpr const char* kGiftNone =
    "체크박스에 선택된 곡이 하나도 없습니다.\n선물하실 곡을 먼저 선택하세요.";
inline constexpr const char* kGiftBell = "MP3벨은 선물처리를 할 수 없습니다.";
inline constexpr const char* kDeleteNothing = "삭제할 곡이 없습니다.";
inline constexpr const char* kDeleteNone = "삭제할 곡을 선택하세요.";
inline constexpr const char* kMyAlbumNone = "마이 앨범에 담을곡을 선택하세요.";
inline constexpr const char* kMyAlbumStreamingOnly = "마이앨범에는 Kesto 스트리밍 음원만 담을 수 있습니다.";
inline constexpr const char* kMyAlbumBell = "MP3벨은 마이앨범에 담을 수 없습니다.";
inline constexpr const char* kPlayListNone = "플레이리스트에 담을 곡을 선택하세요.";
inline constexpr const char* kPlayListLocalOnly = "플레이리스트에는 로컬 PC음원만 담을 수 있습니다";
inline constexpr const char* kCartNone =
    "체크박스에 선택된 곡이 하나도 없습니다.\n구매하실 곡을 먼저 선택하세요.";

// Popups of the buttons.
inline constexpr const char* kAddMenu = "ADD_MENU";
inline constexpr const char* kDeleteMenu = "DELETE_MENU";
inline constexpr const char* kPutMenu = "PUT_MENU";

} // namespace kesto::mini::text
