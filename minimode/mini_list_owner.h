#pragma once
// The mini play list as the owner of its list control: ticks mark the now-playing entries,
// sorts and moves take the store with them, drops come into the store, and the list's
// commands go to the mini list's table.

#include "platform/message_port.h"
#include "songs/list_pages.h"
#include "songs/song.h"

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;

namespace kesto {

struct DropDecision;
class MessageBox;
class MiniNowPlaying;
class ModuleState;
class SongListView;

struct MiniOwnerParts {
    ModuleState* module = nullptr;
    MiniNowPlaying* nowPlaying = nullptr;
    MessageBox* box = nullptr;
    // Read when used: they exist with the window.
    std::function<SongListView*()> list;
    std::function<QAbstractButton*()> checkAll;
    std::function<void(int commandId)> command;
};

class MiniListOwner final {
public:
    // The list shows the now-playing list.
    static constexpr int kPageKind = page_kind::kNowPlaying;

    explicit MiniListOwner(MiniOwnerParts parts) : p_(std::move(parts)) {}

    // Hands the list what it asks and hears what it tells.
    void attach(SongListView& list);

    int pageKind() const { return kPageKind; }
    // Songs of the panel's lists come in where the panel's page would take them.
    int dropPageKind() const;
    // The host's skin (entry 21) colours the mini list as it does the panel's; 0 reads as 1.
    int skinType() const;
    MessageBox* messageBox() { return p_.box; }
    WindowHandle hostSideWindow() const;
    void checkChanged(int row, bool checked);
    void allCheckedChanged(bool allChecked);
    void rowsSorted();
    void rowsMoved();
    void songsDropped(const DropDecision& decision, const std::vector<Song>& songs);
    void filesDropped(const std::vector<std::string>& paths);
    void forwardCommand(int commandId) { p_.command(commandId); }

private:
    MiniOwnerParts p_;
};

} // namespace kesto
