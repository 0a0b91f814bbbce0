#pragma once
// Opens the web pages of the panel's hyperlinks outside the panel: in the module's one browser
// window (reused while it is open, shown and raised after each navigation) or with the
// desktop's default browser. The window runs on the embedded engine; where the engine is
// missing, pages without a form go to the default browser first and the light window shows
// the rest. Where no window can be made (no widget application, no screen), the user is told
// "Fail WebBrowser" and nothing opens.

#include "include/kesto/panel_api.h"
#include "protocol/web_handoff.h"

#include <string>
#include <string_view>

class QWidget;

namespace kesto {

class MessageBox;

class ExternalBrowser {
public:
    static constexpr std::string_view kFailText = "Fail WebBrowser";

    struct Parts {
        KestoNetRequestFn request = nullptr; // the light window asks its pages through the host
        MessageBox* box = nullptr;
    };

    // The page in the browser window; false when nothing opened (the user has been told).
    static bool open(const WebForm& page, const Parts& parts);
    // The address with the desktop's default browser; where the desktop cannot, as open().
    static bool openExternal(const std::string& address, const Parts& parts);
    // The open browser window, or null.
    static QWidget* window();
    // Closes the window: the module that draws it is about to go.
    static void closeWindow();

private:
    static bool canMakeWindow();
    static bool openInWindow(const WebForm& page, const Parts& parts);
};

} // namespace kesto
