#include "columns/page_rules.h"

#include "platform/cp949.h"
#include "songs/notice_texts.h"

#include <algorithm>
#include <initializer_list>

namespace kesto {
namespace {

bool oneOf(int value, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

// Device and ring-tone pages carry no check column images and do not play on double click.
bool isPlainDevicePage(int pageKind) {
    return oneOf(pageKind, {12, 13, 24, 25, 28, 29, 30, 31});
}

} // namespace

std::string_view PageRules::contextMenu(int pageKind, bool rowHit, bool miniList) {
    if (miniList)
        return "CONTEXT_MENU";
    if (pageKind == 1)
        return "NOWPLAY_MENU";
    if (pageKind == 2 || pageKind == 3)
        return rowHit ? "Normal Item List" : "Normal Popup";
    if (oneOf(pageKind, {4, 5, 6}))
        return rowHit ? "List PopUp Item" : "List Empty PopUp ";
    if (oneOf(pageKind, {7, 8, 9, 10, 11}))
        return rowHit ? "Down Popup" : "Simple Popup";
    if (oneOf(pageKind, {12, 13, 24, 25, 31}))
        return rowHit ? "Phone Delete" : "";
    if (pageKind == 14)
        return "MP3 POPUP";
    if (pageKind >= 16 && pageKind <= 22)
        return rowHit ? "Kesto Popup" : "Simple Popup";
    if (pageKind == 23)
        return rowHit ? "IDR_KESTOCART" : "Simple Popup";
    return "";
}

int PageRules::headerMenuFirstColumn(int pageKind) {
    if (oneOf(pageKind, {12, 13, 24, 25, 28, 31}))
        return 1;
    if (pageKind == 29 || pageKind == 30)
        return 2;
    return 3;
}

bool PageRules::hasHeaderImages(int pageKind) {
    return !isPlainDevicePage(pageKind);
}

bool PageRules::doubleClickPlays(int pageKind, bool plainList) {
    return !plainList && !isPlainDevicePage(pageKind);
}

bool PageRules::hasLinkCells(int pageKind) {
    return !oneOf(pageKind, {1, 4, 5, 6});
}

bool PageRules::renumbersAfterSort(int pageKind, bool rankSuppressed) {
    if (pageKind == 17 || pageKind == 18)
        return false;
    return pageKind != 19 || rankSuppressed;
}

bool PageRules::albumStartsHidden(int pageKind) {
    return pageKind == 4 || pageKind == 5;
}

const std::string& PageRules::greyItemNotice(int pageKind) {
    static const std::string none;
    static const std::string purchased = Cp949::fromUtf8(notice::kGreyShort);
    static const std::string leased = Cp949::fromUtf8(notice::kGreyLong);
    if (pageKind == 7)
        return purchased;
    if (pageKind == 8)
        return leased;
    return none;
}

} // namespace kesto
