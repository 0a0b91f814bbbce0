#pragma once
// The mini play list's commands that work on its checked rows: download, gift, delete, put
// into a my album, a play list or the cart, add files or a folder, load a list. Each checks
// the rows with the mini list's own messages first and then runs the panel's song command.

#include "commands/command_context.h"
#include "commands/selection.h"

#include <functional>
#include <string>
#include <vector>

namespace kesto {

class SongListView;
class SongStore;

struct MiniCommandParts {
    SongListView* list = nullptr;
    SongStore* store = nullptr;
    CommandContext context;
    // Shows every row of the store again.
    std::function<void()> refresh;
    // Adds local files to the store; the number added.
    std::function<int(const std::vector<std::string>&)> addFiles;
};

class MiniListCommands {
public:
    explicit MiniListCommands(MiniCommandParts parts) : parts_(std::move(parts)) {}

    // False when id is none of these commands.
    bool run(int id);

    // The checked rows' songs in row order.
    static Selection checked(const SongListView& list);

private:
    void download();
    void gift();
    void deleteAll();
    void deleteChecked();
    void putMyAlbum();
    void putPlayList();
    void putCart();
    void addFromDialog(bool folder);
    void loadList(int which);
    // Shows the text; always false, for "stop here" returns.
    bool say(const char* textUtf8) const;

    MiniCommandParts parts_;
};

} // namespace kesto
