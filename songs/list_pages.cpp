#include "songs/list_pages.h"

#include <algorithm>

namespace kesto {
namespace {

using Kind = BodyItem::Kind;

constexpr ListPage local(int menuId, int kind) {
    return {menuId, kind, PageSource::Local, {}, false, {}, 0};
}

constexpr ListPage device(int menuId, int kind) {
    return {menuId, kind, PageSource::Device, {}, false, {}, 0};
}

constexpr ListPage link(int menuId, int kind, std::string_view command, bool search = false) {
    return {menuId, kind, PageSource::Link, command, search, {}, 0};
}

// A server list: command, at most one item, then the page number.
constexpr ListPage paged(int menuId, int kind, std::string_view command, BodyItem item, bool trailingEmpty) {
    return {menuId, kind, PageSource::Server, command, false, {item}, 1, true, trailingEmpty};
}

constexpr ListPage pagedBare(int menuId, int kind, std::string_view command) {
    return {menuId, kind, PageSource::Server, command, false, {}, 0, true, false};
}

constexpr BodyItem text(std::string_view t) {
    return {Kind::Text, t};
}
constexpr BodyItem kMenuParameter{Kind::MenuParameter, {}};

// Sorted by menu id for lookup.
constexpr std::array kPages = {
    local(0, 1),
    paged(1001, 19, "kestoSong", kMenuParameter, true),
    paged(2100, 2, "myAlbumSong", text("0"), false),
    paged(2200, 3, "myAlbumSong", kMenuParameter, false),
    ListPage{2300, 0, PageSource::PageOnly, "albumScrap", false, {}, 0, false, false},
    paged(2400, 17, "kestoSong", text("recent"), true),
    paged(2500, 18, "kestoSong", text("often"), true),
    link(2600, 19, "kestoSong"),
    link(2700, 16, "album"),
    link(2800, 21, "theme"),
    local(3000, 6),
    device(3100, 14),
    device(3200, 12),
    device(3300, 13),
    device(3400, 24),
    device(3500, 25),
    device(3600, 31),
    local(4000, 4),
    local(4100, 5),
    paged(5100, 7, "buyingHistory", text("1"), false),
    paged(5200, 8, "buyingHistory", text("2"), false),
    paged(5300, 9, "buyingHistory", text("3"), false),
    pagedBare(5400, 28, "cuttingbell"),
    paged(6000, 10, "giftBox", text("0"), false),
    paged(7000, 11, "giftBox", text("1"), false),
    link(8000, 22, "search", true),
    pagedBare(9000, 23, "cartPage"),
    link(9100, 16, "artist"),
    pagedBare(9600, 30, "mvBuyHistory"),
    pagedBare(9700, 29, "cartForMV"),
};

static_assert(std::ranges::is_sorted(kPages, {}, &ListPage::menuId), "lookup needs menu id order");

} // namespace

const ListPage* ListPages::find(int menuId) {
    const auto* it = std::ranges::lower_bound(kPages, menuId, {}, &ListPage::menuId);
    return it != kPages.end() && it->menuId == menuId ? it : nullptr;
}

int ListPages::pageKindOf(int menuId) {
    const ListPage* page = find(menuId);
    return page != nullptr ? page->pageKind : 0;
}

const ListPage* ListPages::findByCommand(std::string_view command, std::string_view firstItem) {
    const ListPage* first = nullptr;
    for (const ListPage& page : kPages) {
        if (!page.sendsListRequest() || command.empty() || page.command != command)
            continue;
        const auto items = page.bodyItems();
        if (!items.empty() && items[0].kind == BodyItem::Kind::Text && items[0].text == firstItem)
            return &page;
        if (first == nullptr)
            first = &page;
    }
    return first;
}

std::span<const ListPage> ListPages::all() {
    return kPages;
}

} // namespace kesto
