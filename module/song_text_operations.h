#pragma once
// What the entry table asks of the mini song-text window.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"

#include <string>
#include <string_view>

namespace kesto {

class SongTextOperations {
public:
    virtual ~SongTextOperations() = default;

    virtual bool createWindow() = 0;
    virtual void destroyWindow() = 0;
    virtual WindowHandle window() const = 0;
    virtual KestoRect rectangle() const = 0; // screen rectangle of the window
    virtual void moveTo(const KestoRect& screenRect) = 0;
    virtual void showSongInfo(std::string_view text) = 0;
    // Shows a page in the window's HTML view; an empty address shows "about:blank".
    virtual void navigate(const std::string& address) = 0;
    // The same page asked for by POST with a form body.
    virtual void post(const std::string& address, const std::string& body) = 0;
    virtual void reload() = 0;
    // The HTML view's window and screen rectangle when visible, else null.
    virtual WindowHandle viewWindow(KestoRect& screenRect) const = 0;
};

} // namespace kesto
