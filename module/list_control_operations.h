#pragma once
// What the entries ask of the panel's list control and HTML view.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"

namespace kesto {

class ListControlOperations {
public:
    virtual ~ListControlOperations() = default;

    virtual void clearSelection() = 0;
    virtual void refreshButtons() = 0;
    virtual int selectAll(bool on) = 0;
    // The list control draws anew.
    virtual void listControlCommand() = 0;
    // which 1: the list control, 2: the second child. Null (rect untouched) when not visible.
    virtual WindowHandle childWindow(int which, KestoRect& screenRect) const = 0;
    // The HTML view shows "about:blank"; 1, or 0 without one.
    virtual int showBlankPage() = 0;
};

} // namespace kesto
