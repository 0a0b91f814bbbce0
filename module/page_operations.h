#pragma once
// What the entries ask of the panel's pages: a page chosen by the host, the history, links.

#include <string_view>

namespace kesto {

// A page the host chooses (entry 23).
struct PageChoice {
    int viewMode = 0;
    std::string_view title;
    int menuId = 0;
    std::string_view parameter;
    int reserved = 0;
};

class PageOperations {
public:
    virtual ~PageOperations() = default;

    virtual void showPage(const PageChoice& choice) = 0;
    // device 0: the first device's list, any other: the last.
    virtual void openDeviceList(int device, std::string_view title, std::string_view parameter) = 0;
    // direction 1: the next page of the history, any other: the previous one.
    virtual void goToPage(int direction) = 0;
    virtual bool hasPage(int direction) const = 0;
    virtual void followLink(std::string_view link) = 0;
    // Entry 44: the shown list is asked again (message 1093 with the value).
    virtual void genericRequest(int value) = 0;
};

} // namespace kesto
