#pragma once
// The arguments of show page, kept whole so that the page history and the list paging can
// show a page again exactly as it was asked for.

#include <string>

namespace kesto {

struct PageRequest {
    // Every caller passes 1, 1 and 0 for these three.
    static constexpr int kLayoutMode = 1;
    static constexpr int kLastFlag = 1;

    int layoutMode = kLayoutMode;
    int viewMode = 0;
    std::string title;
    int menuId = -1;
    std::string parameter;
    std::string text2;
    std::string url; // empty: built from the page table
    int reserved = 0;
    std::string body;
    int lastFlag = kLastFlag;
    bool albumPage = false; // an album link of type 1: the page is one whole album
};

} // namespace kesto
