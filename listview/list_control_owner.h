#pragma once
// What the song list control asks of the window that owns it (the list panel or the mini play
// list). Read at the moment of use, never cached by the control.

#include "columns/drop_rules.h"
#include "platform/message_port.h"
#include "songs/song.h"

#include <string>
#include <vector>

namespace kesto {

class MessageBox;

class ListControlOwner {
public:
    virtual ~ListControlOwner() = default;

    virtual int pageKind() const = 0;
    // The page kind that weighs songs dropped from another list.
    virtual int dropPageKind() const { return pageKind(); }
    virtual bool rankSuppressed() const { return false; }
    virtual int skinType() const { return 1; }
    virtual bool currentMarking() const { return true; }
    virtual MessageBox* messageBox() { return nullptr; }
    // Where "load a play list or my album" goes (message 1232); null when there is none.
    virtual WindowHandle hostSideWindow() const { return nullptr; }

    // A row's check changed on the now-playing page or in the mini list.
    virtual void checkChanged(int /*row*/, bool /*checked*/) {}
    // The mini list shows "all checked" on its own button.
    virtual void allCheckedChanged(bool /*allChecked*/) {}
    // The rows were sorted; the now-playing store follows the new order.
    virtual void rowsSorted() {}
    // Rows were moved by a drop within the list (message 1121).
    virtual void rowsMoved() {}
    // Songs dropped from another list, with what the drop does as decided where it landed, and
    // files and folders from the desktop; called once the drop has returned, with copies.
    virtual void songsDropped(const DropDecision& /*decision*/, const std::vector<Song>& /*songs*/) {}
    virtual void filesDropped(const std::vector<std::string>& /*paths*/) {}
    // A column was hidden or shown from the header menu.
    virtual void columnsChanged() {}
    // Context menu items the selected songs cannot take are grayed.
    virtual bool commandEnabled(int /*commandId*/) const { return true; }
    // Put into a playlist, my album, the cart or a gift (by command id).
    virtual void putInto(int /*commandId*/, const std::vector<Song*>& /*records*/) {}
    // Load a play list (1) or my album (2).
    virtual void loadList(int /*which*/) {}
    virtual void clearNowPlaying() {}
    // Commands the owner carries out: the mini list's own, the panel list's cut, copy and paste.
    virtual void forwardCommand(int /*commandId*/) {}
};

} // namespace kesto
