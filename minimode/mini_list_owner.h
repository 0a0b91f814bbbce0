#pragma once
// The mini play list as the owner of its list control: ticks mark the now-playing entries,
// sorts and moves take the store with them, drops come into the store, and the list's
// commands go to the mini list's table.

#include "listview/list_control_owner.h"
#include "songs/list_pages.h"

#include <functional>

class QAbstractButton;

namespace kesto {

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

class MiniListOwner final : public ListControlOwner {
public:
    // The list shows the now-playing list.
    static constexpr int kPageKind = page_kind::kNowPlaying;

    explicit MiniListOwner(MiniOwnerParts parts) : p_(std::move(parts)) {}

    int pageKind() const override { return kPageKind; }
    // Songs of the panel's lists come in where the panel's page would take them.
    int dropPageKind() const override;
    // The host's skin (entry 21) colours the mini list as it does the panel's; 0 reads as 1.
    int skinType() const override;
    MessageBox* messageBox() override { return p_.box; }
    WindowHandle hostSideWindow() const override;
    void checkChanged(int row, bool checked) override;
    void allCheckedChanged(bool allChecked) override;
    void rowsSorted() override;
    void rowsMoved() override;
    void songsDropped(const DropDecision& decision, const std::vector<Song>& songs) override;
    void filesDropped(const std::vector<std::string>& paths) override;
    void forwardCommand(int commandId) override { p_.command(commandId); }

private:
    MiniOwnerParts p_;
};

} // namespace kesto
