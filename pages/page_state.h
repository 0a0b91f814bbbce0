#pragma once
// What the panel knows of the page it shows: the menu choice, its page kind, the view mode
// and, for paged server lists, the list page and the header of the last reply.

#include "pages/page_request.h"
#include "protocol/list_parser.h"
#include "songs/list_pages.h"

#include <string>

namespace kesto {

struct PageState {
    int menuId = -1;
    std::string parameter;
    int pageKind = 0;
    int viewMode = 0;
    int previousViewMode = 0;
    int listPage = 0;  // page number of a paged server list
    PageRequest shown; // the request of the page on screen, for reloads and paging
    ParsedList header; // header values of the last server list
    bool pagePending = false;
    bool deviceFilesHeld = false; // the list store holds the files of a device list (entry 51)
    // Set by an album link of type 1 for the page it shows: one whole album, numbered 1 to N
    // by its tracks and not paged; the next page shown clears it.
    bool albumPage = false;

    // The shown service list carries no ranks: it is one list, so its own paging sends
    // nothing. A new choice of the page (entry 23) fetches it again.
    bool unrankedServiceList() const { return menuId == menu::kServiceList && header.noRank == 1; }
    // Whether the list paging buttons may ask for another list page.
    bool pagingOffered(bool pagedKind) const { return pagedKind && !albumPage && !unrankedServiceList(); }
};

} // namespace kesto
