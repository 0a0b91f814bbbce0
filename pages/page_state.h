#pragma once
// What the panel knows of the page it shows: the menu choice, its page kind, the view mode
// and, for paged server lists, the list page and the header of the last reply.

#include "pages/page_request.h"
#include "protocol/list_parser.h"

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
};

} // namespace kesto
