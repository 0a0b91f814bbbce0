#include "columns/list_menu_items.h"

#include "columns/list_command_ids.h"

#include <algorithm>

namespace kesto {
namespace {

using Items = std::vector<ListMenuItem>;

constexpr ListMenuItem kSeparator{0, ""};

} // namespace

std::vector<ListMenuItem> ListMenuItems::of(std::string_view name) {
    using namespace listcmd;
    if (name == "NOWPLAY_MENU")
        return {{kListen, "듣기"},
                kSeparator,
                {kPutPlayList, "플레이리스트에 담기"},
                {kPutMyAlbum, "마이앨범에 담기"},
                {kPutCart, "장바구니 담기"},
                {kPutGift, "선물"},
                kSeparator,
                {kLoadPlayList, "불러오기 플레이리스트"},
                {kLoadMyAlbum, "불러오기 마이앨범"},
                kSeparator,
                {kListCommand1b, "MP3 휴대폰"},
                {kListCommand2b, "MP3 플레이어"},
                kSeparator,
                {kSelectAll2, "전체 선택"},
                {kInvertSelection, "선택 영역 반전"},
                {kDelete2, "삭제"},
                {kClearNowPlaying, "전체 삭제"}};
    if (name == "Normal Item List")
        return {{kSongInfo, "곡 정보 보기"},
                {kLyrics, "가사 보기"},
                {kPhoneSms, "폰 다운로드SMS전송"},
                {kReportSong, "음원오류 신고하기"},
                kSeparator,
                {kSelectAll, "전체 선택"},
                {kInvertSelection, "선택 영역 반전"},
                {kDelete, "삭제"}};
    if (name == "Normal Popup" || name == "Simple Popup")
        return {{kSelectAll2, "전체 선택"},
                {kUncheckAll, "전체 선택 해제"},
                {kInvertSelection, "선택 영역 반전"}};
    if (name == "List PopUp Item")
        return {{kAddFiles, "파일추가"},
                {kAddFolder, "폴더추가"},
                kSeparator,
                {kCut, "잘라내기"},
                {kCopy, "복사"},
                {kPaste, "붙여넣기"},
                kSeparator,
                {kSelectAll, "전체 선택"},
                {kInvertSelection, "선택 영역 반전"},
                {kDelete, "삭제"}};
    if (name == "List Empty PopUp ")
        return {{kAddFiles, "파일추가"}, {kAddFolder, "폴더추가"}, {kPaste, "붙여넣기"}};
    if (name == "Down Popup")
        return {{kSongInfo2, "곡 정보 보기"},
                {kLyrics2, "가사 보기"},
                {kDownload, "PC 다운로드"},
                {kGiftMessage, "메시지 보기"},
                kSeparator,
                {kSelectAll2, "전체 선택"},
                {kInvertSelection, "선택 영역 반전"}};
    if (name == "Phone Delete")
        return {{kDeviceDelete, "삭제"}};
    if (name == "MP3 POPUP")
        return {
            {kToPhone, "MP3 휴대폰"}, {kToMp3Player, "MP3 플레이어"}, kSeparator, {kDeviceDelete2, "삭제"}};
    if (name == "Kesto Popup")
        return {{kSongInfo2, "곡 정보 보기"},
                {kLyrics2, "가사 보기"},
                {kPhoneSms, "폰 다운로드SMS전송"},
                {kReportSong, "음원오류 신고하기"},
                kSeparator,
                {kPutPlayList, "플레이리스트에 담기"},
                {kPutMyAlbum, "마이앨범에 담기"},
                {kPutCart, "장바구니 담기"},
                {kPutGift, "선물"},
                kSeparator,
                {kSelectAll2, "전체 선택"},
                {kInvertSelection, "선택 영역 반전"}};
    if (name == "IDR_KESTOCART")
        return {{kSongInfo2, "곡 정보 보기"},
                {kDownload2, "PC 다운로드"},
                {kPutGift, "선물"},
                kSeparator,
                {kSelectAll2, "전체 선택"},
                {kInvertSelection, "선택 영역 반전"},
                {kDelete2, "삭제"}};
    if (name == "CONTEXT_MENU")
        return {{kMiniSortByName, "곡명"}, {kMiniSortByTime, "시간"}};
    return {};
}

bool ListMenuItems::offers(std::string_view name, int commandId) {
    const Items items = of(name);
    return std::any_of(items.begin(), items.end(),
                       [commandId](const ListMenuItem& item) { return item.id == commandId; });
}

} // namespace kesto
