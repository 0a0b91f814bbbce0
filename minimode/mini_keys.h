#pragma once
// The mini play list's accelerator table (resource 107): keys that reach the window's own
// commands while the window is the active one, never elsewhere in the host. They come before
// the list's own keys, as an accelerator is looked up before a control sees the key.

#include <QKeyCombination>

#include <functional>
#include <span>

class QWidget;

namespace kesto {

struct MiniKey {
    QKeyCombination keys;
    int command; // a command id of the window (button or popup command)
};

class MiniKeys {
public:
    // The table: Delete deletes the checked rows, Ctrl+A checks every row (again: none, as the
    // check-all button does), Enter listens, Escape closes, Ctrl+O adds files and
    // Ctrl+Shift+O a folder.
    static std::span<const MiniKey> table();
    // Binds every key of the table to run(command) within window.
    static void install(QWidget& window, const std::function<void(int command)>& run);
};

} // namespace kesto
