#include "commands/delete_command.h"

#include "commands/cart_command.h"
#include "commands/command_box.h"
#include "commands/command_settings.h"
#include "commands/device_host.h"
#include "commands/song_id_list.h"
#include "library/my_album_db.h"
#include "protocol/cart_request.h"
#include "protocol/protocol_exchange.h"
#include "protocol/protocol_url.h"
#include "protocol/reply_fields.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"
#include "songs/list_pages.h"
#include "songs/song_store.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

namespace kesto {

bool DeleteCommand::isCartPage(int pageKind) {
    return pageKind == 23 || pageKind == 29;
}

bool DeleteCommand::isDevicePage(int pageKind) {
    static constexpr std::array<int, 6> kinds = {12, 13, 14, 24, 25, 31};
    return std::find(kinds.begin(), kinds.end(), pageKind) != kinds.end();
}

bool DeleteCommand::run(const Selection& chosen) const {
    if (chosen.empty())
        return false;
    if (isCartPage(context_.pageKind))
        return fromCart(chosen);
    if (isDevicePage(context_.pageKind))
        return fromDevice(chosen);
    switch (context_.menuId) {
    case menu::kDownloadStorage:
        return fromStorage(chosen);
    case menu::kOnlineAlbums:
    case menu::kOnlineAlbum:
        return fromOnlineAlbum(chosen);
    case menu::kLocalAlbums:
    case menu::kLocalAlbum:
        return fromLocalAlbum(chosen);
    default:
        return false;
    }
}

bool DeleteCommand::fromCart(const Selection& chosen) const {
    std::vector<std::string> items;
    for (const ChosenSong& song : chosen.songs())
        items.emplace_back(song.record.text(SongField::Cart_Item_ID));
    const auto reply =
        ProtocolExchange::run(context_.protocol, CartRequest::remove(*context_.protocol.login, items));
    if (!reply || reply->code() < 0)
        return false;
    if (context_.hooks.showPage)
        context_.hooks.showPage(menu::kCart, CartCommand::kCartViewMode);
    return true;
}

bool DeleteCommand::fromDevice(const Selection& chosen) const {
    std::vector<std::string> paths;
    for (const ChosenSong& song : chosen.songs())
        paths.push_back(std::string(song.record.text(SongField::Local_Path)) +
                        (song.record.Source_Kind != 0 ? "*" : ""));
    return DeviceHost(context_.serviceA).deleteFromDevice(paths);
}

bool DeleteCommand::fromStorage(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    if (!box.confirm(CommandText::DeleteStorageQuestion, mb::kQuestionYesNo))
        return false;
    Selection deleted;
    bool failed = false;
    for (const ChosenSong& song : chosen.songs()) {
        std::error_code error;
        if (std::filesystem::remove(song.record.text(SongField::Local_Path), error))
            deleted.add(song.record, song.position);
        else
            failed = true;
    }
    if (failed)
        box.stop(CommandText::DeleteFileFailed);
    leaveNowPlaying(deleted);
    reshow();
    return !deleted.empty();
}

bool DeleteCommand::fromOnlineAlbum(const Selection& chosen) const {
    if (context_.menuId == menu::kOnlineAlbums && !confirmed())
        return false;
    const LoginBlock& login = *context_.protocol.login;
    RequestBody body(login);
    // The all-albums page deletes from whichever album holds the song.
    body.add(context_.menuId == menu::kOnlineAlbums ? std::string_view("0")
                                                    : std::string_view(login.menuParameter));
    SongIdList::append(body, chosen);
    const auto reply = RequestSender::exchange(context_.protocol.request,
                                               ProtocolUrl::command(login, proto::kDeleteSongFromMyAlbum),
                                               true, body.text());
    const CommandBox box(context_.protocol.box);
    if (!reply) {
        box.stop(CommandText::DeleteNoServer);
        return false;
    }
    if (ReplyFields(*reply).code() < 0) {
        box.stop(CommandText::DeleteMyAlbumFailed);
        return false;
    }
    leaveNowPlaying(chosen);
    reshow();
    return true;
}

bool DeleteCommand::fromLocalAlbum(const Selection& chosen) const {
    if (context_.albums == nullptr)
        return false;
    if (context_.menuId == menu::kLocalAlbums && !confirmed())
        return false;
    const std::string albumId = context_.menuId == menu::kLocalAlbums
                                    ? std::to_string(MyAlbumDb::kAllSongsAlbum)
                                    : context_.protocol.login->menuParameter;
    Selection deleted;
    for (const ChosenSong& song : chosen.songs())
        if (context_.albums->removeSong(song.record.text(SongField::Song_ID), albumId))
            deleted.add(song.record, song.position);
    if (deleted.size() != chosen.size())
        CommandBox(context_.protocol.box).stop(CommandText::DeletePlayListFailed);
    leaveNowPlaying(deleted);
    reshow();
    return !deleted.empty();
}

bool DeleteCommand::confirmed() const {
    if (!CommandSettings(context_.settings).showDeleteBox())
        return true;
    return context_.hooks.confirmDelete && context_.hooks.confirmDelete();
}

void DeleteCommand::leaveNowPlaying(const Selection& deleted) const {
    if (context_.nowPlaying == nullptr)
        return;
    SongStore& store = *context_.nowPlaying;
    for (const ChosenSong& song : deleted.songs()) {
        const Song& record = song.record;
        const int position = record.text(SongField::Song_ID)[0] != '\0'
                                 ? store.findBySongId(record.text(SongField::Song_ID))
                                 : store.positionInNowPlaying(record);
        if (position >= 0)
            store.removeAt(position);
    }
}

void DeleteCommand::reshow() const {
    if (context_.hooks.reshowPage)
        context_.hooks.reshowPage();
}

} // namespace kesto
