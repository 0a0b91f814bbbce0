#pragma once
// The host's menu of list pages: every page the panel can show, each chosen by calling entry
// 23 with its menu id (and entry 38 for the download storage).

#include <QString>

#include <functional>
#include <span>
#include <string>

class QMenuBar;

namespace kesto {

struct HostPage {
    const char* group; // the submenu, UTF-8
    const char* title; // UTF-8
    int viewMode;
    int menuId;
    const char* parameter; // CP949-free ASCII: chart codes and such
};

class PageMenu {
public:
    static std::span<const HostPage> pages();
    // Adds the page menus; choosing an entry calls show with the page.
    static void install(QMenuBar& bar, const std::function<void(const HostPage&)>& show);
    // A file name for a page's screenshot: "NN-menuid-parameter.png".
    static QString shotName(std::size_t index, const HostPage& page);
};

} // namespace kesto
