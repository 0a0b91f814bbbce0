#pragma once
// What the panel's messages carry, once the message table has read it out of the words: one
// named type per shape, so that no part reads a message word itself.

#include <cstdint>

namespace kesto {

// The two words of a window message as they came, read only by the message tables.
struct MessageWords {
    std::intptr_t first = 0;
    std::intptr_t second = 0;
};

// A row of the song list.
struct ListRow {
    int row = -1;
};

// A clicked cell: its row and column (column 0 is the state column).
struct RowColumn {
    int row = -1;
    int column = -1;
};

// A list page of a paged server list, counted from 0.
struct PageNumber {
    int page = 0;
};

// A folder or album reader has filled its store for the page it was started for.
struct LocalPageDone {
    int viewMode = 0;
    int pageKind = 0;
};

// A form the host asks the HTML area to post: NUL-terminated texts of the caller.
struct HtmlForm {
    const char* address = nullptr;
    const char* body = nullptr;
};

// Message 1235: the reload acts only for its token; the second word goes with the reload.
struct ReloadAsk {
    std::intptr_t token = 0;
    std::intptr_t passOn = 0;
};

// A timer of the panel window.
struct TimerId {
    static constexpr int kOneShot = 1; // the panel window's one-shot timer

    int id = 0;
};

} // namespace kesto
