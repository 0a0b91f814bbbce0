#pragma once
// Which song buttons act on a page kind: one row per group of page kinds. Buttons that do not
// act on songs (search, artist index, page history, start page, list paging) are not in the
// table; the panel settles those by its history and paging state.

namespace kesto {

class PageButtons {
public:
    // Whether the button acts on songs at all (and so is in the table).
    static bool isSongButton(int controlId);
    // Whether the button may act on a page of this kind; true for the buttons outside the table.
    static bool acts(int pageKind, int controlId);
};

} // namespace kesto
