#include "minimode/mini_list_commands.h"

#include "commands/cart_command.h"
#include "commands/download_command.h"
#include "commands/gift_command.h"
#include "commands/my_album_command.h"
#include "commands/play_list_command.h"
#include "dialogs/local_file_dialogs.h"
#include "library/file_type.h"
#include "library/folder_walker.h"
#include "listview/song_list_view.h"
#include "minimode/mini_ids.h"
#include "minimode/mini_texts.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "songs/song_store.h"

#include <algorithm>

namespace kesto {

namespace {

bool anyOf(const Selection& chosen, bool (Song::*test)() const) {
    return std::any_of(chosen.songs().begin(), chosen.songs().end(),
                       [test](const ChosenSong& song) { return (song.record.*test)(); });
}

} // namespace

Selection MiniListCommands::checked(const SongListView& list) {
    Selection chosen;
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isChecked(row) && list.record(row) != nullptr)
            chosen.add(*list.record(row), row);
    return chosen;
}

bool MiniListCommands::say(const char* textUtf8) const {
    if (MessageBox* box = parts_.context.protocol.box)
        box->show(Cp949::fromUtf8(textUtf8), kMessageBoxCaption, mb::kExclamationOk);
    return false;
}

bool MiniListCommands::run(int id) {
    if (parts_.list == nullptr)
        return false;
    switch (id) {
    case mini::kDownloadButton:
        return download(), true;
    case mini::kGiftButton:
        return gift(), true;
    case mini::kDeleteAll:
        return deleteAll(), true;
    case mini::kDeleteChecked:
        return deleteChecked(), true;
    case mini::kPutMyAlbum:
        return putMyAlbum(), true;
    case mini::kPutPlayList:
        return putPlayList(), true;
    case mini::kPutCart:
        return putCart(), true;
    case mini::kAddFiles:
    case mini::kListAddFiles:
    case mini::kListAddFiles2:
        return addFromDialog(false), true;
    case mini::kAddFolder:
    case mini::kListAddFolder:
    case mini::kListAddFolder2:
        return addFromDialog(true), true;
    case mini::kLoadPlayList:
        return loadList(mini::kLoadPlayListWhich), true;
    case mini::kLoadMyAlbum:
        return loadList(mini::kLoadMyAlbumWhich), true;
    default:
        return false;
    }
}

void MiniListCommands::download() {
    const Selection chosen = checked(*parts_.list);
    if (chosen.empty())
        return void(say(mini::text::kDownloadNone));
    DownloadCommand(parts_.context).run(chosen);
}

void MiniListCommands::gift() {
    const Selection chosen = checked(*parts_.list);
    if (chosen.empty())
        return void(say(mini::text::kGiftNone));
    if (anyOf(chosen, &Song::isMp3Bell))
        return void(say(mini::text::kGiftBell));
    GiftCommand(parts_.context).run(chosen);
}

void MiniListCommands::deleteAll() {
    if (parts_.list->rowCount() == 0)
        return void(say(mini::text::kDeleteNothing));
    parts_.list->deleteAllRows();
    if (parts_.store != nullptr)
        parts_.store->clear();
    parts_.refresh();
}

void MiniListCommands::deleteChecked() {
    SongListView& list = *parts_.list;
    const Selection chosen = checked(list);
    if (chosen.empty())
        return void(say(mini::text::kDeleteNone));
    // Drawing waits until every row is gone; rows go from the last so the others keep their index.
    list.setUpdatesEnabled(false);
    for (auto song = chosen.songs().rbegin(); song != chosen.songs().rend(); ++song) {
        Song* record = list.record(song->position);
        list.deleteRow(song->position);
        if (parts_.store != nullptr && record != nullptr)
            parts_.store->remove(record);
    }
    list.setUpdatesEnabled(true);
    parts_.refresh();
}

void MiniListCommands::putMyAlbum() {
    const Selection chosen = checked(*parts_.list);
    if (chosen.empty())
        return void(say(mini::text::kMyAlbumNone));
    if (anyOf(chosen, &Song::isLocal))
        return void(say(mini::text::kMyAlbumStreamingOnly));
    if (anyOf(chosen, &Song::isMp3Bell))
        return void(say(mini::text::kMyAlbumBell));
    MyAlbumCommand(parts_.context, CommandOrigin::NowPlaying).run(chosen);
}

void MiniListCommands::putPlayList() {
    const Selection chosen = checked(*parts_.list);
    if (chosen.empty())
        return void(say(mini::text::kPlayListNone));
    if (anyOf(chosen, &Song::isStreaming))
        return void(say(mini::text::kPlayListLocalOnly));
    PlayListCommand(parts_.context, CommandOrigin::NowPlaying).run(chosen);
}

void MiniListCommands::putCart() {
    const Selection chosen = checked(*parts_.list);
    if (chosen.empty())
        return void(say(mini::text::kCartNone));
    CartCommand(parts_.context, CommandOrigin::NowPlaying).run(chosen);
}

// The panel's own dialogs, which keep LastOpenFolder as the panel does.
void MiniListCommands::addFromDialog(bool folder) {
    RegistryKey* settings = parts_.context.settings;
    std::vector<std::string> paths;
    if (!folder) {
        paths = LocalFileDialogs::chooseFiles(parts_.list, settings);
    } else if (const auto choice = LocalFileDialogs::chooseFolder(parts_.list, settings)) {
        const FolderWalker walker({FileType::kFolderExtensions.begin(), FileType::kFolderExtensions.end()});
        paths = walker.collect(choice->folder, choice->subFolders);
    }
    if (!paths.empty() && parts_.addFiles)
        parts_.addFiles(paths);
}

void MiniListCommands::loadList(int which) {
    const ProtocolContext& protocol = parts_.context.protocol;
    if (protocol.port != nullptr)
        protocol.port->post(protocol.host, KESTO_MSG_LOAD_LIST, which, 0);
}

} // namespace kesto
