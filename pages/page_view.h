#pragma once
// What show page hands to the list view: the view mode, the rows of a store with the page
// kind's columns and header values, the current row. The Qt list view implements it.

#include "protocol/list_parser.h"

#include <string>

namespace kesto {

class SongStore;

struct ListHandOver {
    int viewMode = 0;
    int pageKind = 0;
    std::string webAddress; // the page's web address for the HTML view; may be empty
    ParsedList header;
    std::string title; // UTF-8 heading of a page without a web page (a local album's name)
};

class PageView {
public:
    virtual ~PageView() = default;

    virtual void setViewMode(int viewMode) = 0;
    // Rows point into the list store: they go before the store is cleared.
    virtual void dropRows() = 0;
    // Installs the page kind's columns and shows the store's records as the view mode says.
    virtual void showList(SongStore& store, const ListHandOver& handOver) = 0;
    // Makes the row current and scrolls it into view.
    virtual void showCurrent(int row) = 0;
};

} // namespace kesto
