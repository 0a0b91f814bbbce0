#pragma once
// What the page operations ask of the panel's window, which only the Qt side can do.

#include "commands/selection.h"
#include "pages/message_shapes.h"

#include <string>

namespace kesto {

class PanelWindowOps {
public:
    virtual ~PanelWindowOps() = default;

    virtual void layOut() = 0;
    // A timer of the panel window went off; the one-shot timer stops.
    virtual void timerFired(TimerId timer) = 0;
    virtual void navigateHtml(const std::string& address) = 0;
    // A web page of its own in place of the list, headed by its title (UTF-8).
    virtual void showWebPage(const std::string& address, const std::string& /*title*/) {
        navigateHtml(address);
    }
    // Opens the address in the HTML area by POST with a form body.
    virtual void postHtml(const std::string& address, const std::string& body) = 0;
    virtual void refreshButtons() = 0;
    virtual void forwardToListControl() = 0;
    // The host window repaints at once (UpdateWindow).
    virtual void updateHost() = 0;
    // The words typed into the search box, CP949.
    virtual std::string searchWords() const = 0;
    // A copy of the record of a list row; false when there is no such row.
    virtual bool recordAt(int row, Song& out) const = 0;
    // The ticked rows of the list, in row order.
    virtual Selection tickedSongs() const = 0;
};

} // namespace kesto
