#include "pages/song_drops.h"

#include "columns/drop_rules.h"
#include "commands/cart_command.h"
#include "commands/drop_into_album_command.h"
#include "commands/my_album_command.h"
#include "commands/transfer_command.h"
#include "library/file_type.h"
#include "library/folder_walker.h"
#include "library/my_album_db.h"
#include "pages/page_navigator.h"
#include "pages/panel_model.h"
#include "pages/panel_window_ops.h"
#include "pages/song_commands.h"
#include "platform/failure_log.h"
#include "songs/list_pages.h"
#include "songs/store_order.h"

#include <filesystem>

namespace kesto {

bool SongDrops::songs(SongDropAction action, const std::vector<Song>& songs) {
    const Selection dropped = Selection::of(songs);
    CommandContext context = p_.context();
    switch (action) {
    case SongDropAction::Cart:
        return CartCommand(context, CommandOrigin::List).run(dropped);
    case SongDropAction::OnlineAlbum:
        // The album on screen lists what it took.
        if (!MyAlbumCommand(context, CommandOrigin::List).runInto(dropped, p_.model->state().parameter))
            return false;
        p_.pages->reloadPage();
        return true;
    case SongDropAction::LocalAlbum: {
        // The album on screen lists what it took, once the command is done.
        const int added = DropIntoAlbumCommand(context).run(dropped, shownAlbum());
        if (!dropped.empty())
            p_.pages->reloadPage();
        return added > 0;
    }
    case SongDropAction::FolderCopy: {
        // Only files on this PC can be copied into the folder.
        std::vector<std::string> paths;
        for (const Song& song : songs)
            if (song.isLocal())
                paths.emplace_back(song.text(SongField::Local_Path));
        return !paths.empty() && p_.import && p_.import(paths) > 0;
    }
    case SongDropAction::PhoneList:
        return TransferCommand(context, Device::Phone, CommandOrigin::List).run(dropped);
    case SongDropAction::DeviceList:
        return TransferCommand(context, Device::Mp3Player, CommandOrigin::List).run(dropped);
    case SongDropAction::Nothing:
        break;
    }
    return false;
}

int SongDrops::files(const std::vector<std::string>& paths) {
    const std::vector<std::string> files = expand(paths);
    return files.empty() || !p_.import ? 0 : p_.import(files);
}

std::vector<Song*> SongDrops::rowsReordered(std::span<Song* const> rows) {
    std::vector<Song*> records;
    SongStore& store = p_.model->nowPlaying();
    if (p_.model->state().pageKind != ListPages::pageKindOf(menu::kNowPlaying) ||
        !StoreOrder::follow(store, rows))
        return records;
    records.reserve(rows.size());
    for (int position = 0; position < store.count(); ++position)
        records.push_back(store.get(position));
    return records;
}

std::vector<std::string> SongDrops::expand(const std::vector<std::string>& paths) {
    const FolderWalker walker({FileType::kFolderExtensions.begin(), FileType::kFolderExtensions.end()});
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (std::filesystem::is_directory(std::filesystem::path(path), error)) {
            const std::vector<std::string> inside = walker.collect(path, true);
            files.insert(files.end(), inside.begin(), inside.end());
        } else if (!path.empty()) {
            files.push_back(path);
        }
    }
    return files;
}

std::string SongDrops::shownAlbum() const {
    const std::string& parameter = p_.model->state().parameter;
    return parameter.empty() ? std::to_string(MyAlbumDb::kAllSongsAlbum) : parameter;
}

bool SongDrops::canCut() const {
    return SongClipboard::cutsFrom(p_.model->state().pageKind);
}

bool SongDrops::canPaste() const {
    return pasteAction() != SongDropAction::Nothing;
}

SongDropAction SongDrops::pasteAction() const {
    const PageState& shown = p_.model->state();
    if (clipboard_.empty() || clipboard_.cameFrom(shown))
        return SongDropAction::Nothing;
    return DropRules::songAction(shown.pageKind);
}

void SongDrops::cut() {
    clipboard_.take(p_.window->tickedSongs(), p_.model->state(), true);
}

void SongDrops::copy() {
    clipboard_.take(p_.window->tickedSongs(), p_.model->state(), false);
}

void SongDrops::cutOnLocalAlbum() {
    if (p_.model->state().pageKind != page_kind::kLocalMyAlbum)
        return FailureLog::write(LogCategory::Pages, "1090 outside the local my albums: nothing done");
    cut();
}

void SongDrops::copyOnCart() {
    const int kind = p_.model->state().pageKind;
    if (kind != page_kind::kCart && kind != page_kind::kMusicVideoCart)
        return FailureLog::write(LogCategory::Pages, "1091 outside the carts: nothing done");
    copy();
}

void SongDrops::paste() {
    // A paste is a drop of the songs on the page shown, decided here as a drop is where it lands.
    const SongDropAction action = pasteAction();
    if (action == SongDropAction::Nothing)
        return;
    if (songs(action, clipboard_.songs())) {
        CommandContext context = p_.context();
        clipboard_.taken(context);
    }
}

} // namespace kesto
