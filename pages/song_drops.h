#pragma once
// What a drop on the panel's list does with the page shown: songs from another list go to the
// cart, the shown on-line or local album, the shown folder or a device, each by its command
// and rules; files and folders from the desktop go where the page keeps local files; rows
// moved or sorted on the now-playing page take the now-playing store with them.

#include "commands/command_context.h"
#include "songs/song.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kesto {

class PanelModel;

class SongDrops {
public:
    using ContextSource = std::function<CommandContext()>;
    // Imports files into the shown page and shows the result; returns how many were added.
    using Import = std::function<int(const std::vector<std::string>&)>;

    SongDrops(PanelModel& model, ContextSource context, Import import)
        : model_(model), context_(std::move(context)), import_(std::move(import)) {}

    // Songs dropped from another list onto the shown page; true when the page took them.
    bool songs(const std::vector<Song>& songs);
    // Files and folders dropped from the desktop; returns how many files were added.
    int files(const std::vector<std::string>& paths);
    // The list shows these records in a new order; on the now-playing page the store follows.
    // Gives the store's records, which row by row now hold what the rows show; empty when the
    // store did not change.
    std::vector<Song*> rowsReordered(std::span<Song* const> rows);

    // Folders give their audio files (sub-folders included); other paths stay as they are.
    static std::vector<std::string> expand(const std::vector<std::string>& paths);

private:
    std::string shownAlbum() const;

    PanelModel& model_;
    ContextSource context_;
    Import import_;
};

} // namespace kesto
