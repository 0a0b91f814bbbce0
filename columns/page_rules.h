#pragma once
// What the song list does differently by page kind: menus, header images, double clicks,
// link cells, renumbering and the grey-item notice.

#include <string>
#include <string_view>

namespace kesto {

class PageRules {
public:
    // Name of the context menu resource; empty when the page opens none.
    static std::string_view contextMenu(int pageKind, bool rowHit, bool miniList);
    // First column the header menu offers (after the icon, check and number columns).
    static int headerMenuFirstColumn(int pageKind);
    static bool hasHeaderImages(int pageKind);
    static bool doubleClickPlays(int pageKind, bool plainList);
    // Artist and album cells are links.
    static bool hasLinkCells(int pageKind);
    // The "No." column is renumbered after a sort.
    static bool renumbersAfterSort(int pageKind, bool rankSuppressed);
    // The album column starts hidden when the default set is used.
    static bool albumStartsHidden(int pageKind);
    // Notice for a click on a grey item's state icon (CP949); empty when the page shows none.
    static const std::string& greyItemNotice(int pageKind);
};

} // namespace kesto
