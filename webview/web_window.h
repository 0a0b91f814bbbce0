#pragma once
// A top-level window that shows one web page at a time for the panel's hyperlinks: the
// engine's browser window, or the light view where the engine is missing.

#include "protocol/web_handoff.h"

class QWidget;

namespace kesto {

class WebWindow {
public:
    static constexpr const char* kFormContentType = "application/x-www-form-urlencoded";

    virtual ~WebWindow() = default;
    virtual QWidget* widget() = 0;
    // Opens the page: by POST with the form body when it has one, else by GET.
    virtual void open(const WebForm& page) = 0;
};

} // namespace kesto
