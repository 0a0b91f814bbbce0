#pragma once
// What a drop or a paste on the panel's list does with the page shown: songs from another list
// go to the cart, the shown on-line or local album, the shown folder or a device, each by its
// command and rules; files and folders from the desktop go where the page keeps local files;
// rows moved or sorted on the now-playing page take the now-playing store with them. Songs cut
// or copied from one list wait here to be pasted into another as a drop of them.

#include "columns/drop_rules.h"
#include "commands/command_context.h"
#include "pages/song_clipboard.h"
#include "songs/song.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kesto {

class PageNavigator;
class PanelModel;
class PanelWindowOps;
class SongCommands;

struct SongDropParts {
    PanelModel* model = nullptr;
    PageNavigator* pages = nullptr;
    SongCommands* songs = nullptr;
    PanelWindowOps* window = nullptr;
    std::function<CommandContext()> context;
    // Imports files into the shown page and shows the result; returns how many were added.
    std::function<int(const std::vector<std::string>&)> import;
};

class SongDrops {
public:
    explicit SongDrops(SongDropParts parts) : p_(std::move(parts)) {}

    // Songs dropped from another list onto the shown page, by the page's operation decided where
    // they were dropped; true when the page took them.
    bool songs(SongDropAction action, const std::vector<Song>& songs);
    // Files and folders dropped from the desktop; returns how many files were added.
    int files(const std::vector<std::string>& paths);
    // The list shows these records in a new order; on the now-playing page the store follows.
    // Gives the store's records, which row by row now hold what the rows show; empty when the
    // store did not change.
    std::vector<Song*> rowsReordered(std::span<Song* const> rows);

    // Folders give their audio files (sub-folders included); other paths stay as they are.
    static std::vector<std::string> expand(const std::vector<std::string>& paths);

    // Whether the list menu's cut and paste can act on the page shown.
    bool canCut() const;
    bool canPaste() const;
    // Cut and copy of the ticked rows (the list's keys and row menus).
    void cut();
    void copy();
    // Entry 57: a cut on the local my-album page (1090), a copy on the cart pages (1091); nothing
    // elsewhere.
    void cutOnLocalAlbum();
    void copyOnCart();
    // The cut or copied songs go where a drop of them would.
    void paste();

private:
    std::string shownAlbum() const;
    // What a paste does on the page shown; nothing where it came from.
    SongDropAction pasteAction() const;

    SongDropParts p_;
    SongClipboard clipboard_;
};

} // namespace kesto
