#include "service/my_album_commands.h"

#include "service/id_list.h"
#include "service/list_codes.h"
#include "service/list_page.h"
#include "service/service_context.h"
#include "service/song_fields.h"
#include "service/wire_reply.h"

#include <map>

namespace kesto::service {
namespace {

enum class AlbumAction { List = 0, Create = 1, Delete = 2 };

std::map<std::int64_t, std::string> albumNames(MyAlbumStore& store, const std::string& user) {
    std::map<std::int64_t, std::string> names;
    for (const MyAlbum& album : store.albums(user))
        names.emplace(album.id, album.name);
    return names;
}

} // namespace

void MyAlbumCommands::install(CommandRouter& router) {
    router.add("myAlbumSong", 4, [this](const CommandCall& c) { return myAlbumSong(c); });
    router.add("addSongToMyAlbum", 4, [this](const CommandCall& c) { return addSongs(c); });
    router.add("deleteSongFromMyAlbum", 4, [this](const CommandCall& c) { return deleteSongs(c); });
    router.add("myAlbum", 2, [this](const CommandCall& c) { return myAlbum(c); });
    router.add("myAlbumSource", 3, [this](const CommandCall& c) { return myAlbumSource(c); });
    router.add("albumScrap", 2, [this](const CommandCall& c) { return albumScrap(c); });
}

std::string MyAlbumCommands::myAlbumSong(const CommandCall& call) const {
    const std::string& user = call.request.userId();
    const auto rows = context_.myAlbums().songs(user, call.request.integer(2));
    const auto names = albumNames(context_.myAlbums(), user);
    const ListPage page(call.request.integer(3), rows.size());
    WireReply reply;
    page.header(reply).text(list_codes::kMyAlbum);
    const SongFields fields(context_.catalogue());
    for (const MyAlbumSong& row : page.of(rows)) {
        static const Song missing;
        const Song* song = context_.catalogue().song(row.songId);
        const Song& s = song == nullptr ? missing : *song;
        const auto name = names.find(row.albumId);
        reply.text(row.songId).text(s.serviceFlags).text(s.name).number(s.playTime);
        reply.text(std::to_string(row.albumId)).text(name == names.end() ? "" : name->second);
        fields.artistAlbum(reply, s);
        reply.text(row.added);
        fields.extras(reply, s);
    }
    return reply.str();
}

std::string MyAlbumCommands::addSongs(const CommandCall& call) const {
    // Album id, then the count and the song ids.
    const auto ids = IdList::read(call.request, 3);
    if (!ids)
        return WireReply::error(ServiceCode::TooFewFields);
    for (const std::string& id : *ids)
        if (context_.catalogue().song(id) == nullptr)
            return WireReply::error(ServiceCode::NotFound);
    const auto albumId = call.request.integer(2);
    const auto albums = albumNames(context_.myAlbums(), call.request.userId());
    if (albums.count(albumId) == 0)
        return WireReply::error(ServiceCode::NotFound);
    // After the ids: the album the songs come from and "0" when they leave it (a move).
    const std::size_t after = 4 + ids->size();
    if (call.request.field(after + 1) == "0") {
        const auto from = call.request.integer(after);
        if (from != albumId)
            context_.myAlbums().remove(call.request.userId(), from, *ids);
    }
    const int added =
        context_.myAlbums().add(call.request.userId(), albumId, *ids, list_codes::kMyAlbum, context_.stamp());
    return WireReply().plainNumber(0).plainNumber(added).str();
}

std::string MyAlbumCommands::deleteSongs(const CommandCall& call) const {
    // Album id (0: any of the user's albums), then the count and the song ids.
    const auto ids = IdList::read(call.request, 3);
    if (!ids)
        return WireReply::error(ServiceCode::TooFewFields);
    const int removed = context_.myAlbums().remove(call.request.userId(), call.request.integer(2), *ids);
    return WireReply().plainNumber(0).plainNumber(removed).str();
}

std::string MyAlbumCommands::myAlbum(const CommandCall& call) const {
    const std::string& user = call.request.userId();
    const auto action = static_cast<AlbumAction>(call.request.integer(2));
    if (action == AlbumAction::Create) {
        if (call.request.field(3).empty())
            return WireReply::error(ServiceCode::TooFewFields);
        const auto id = context_.myAlbums().create(user, call.request.field(3));
        return id == 0 ? WireReply::error(ServiceCode::StoreFailure)
                       : WireReply().plainNumber(0).plainNumber(id).str();
    }
    if (action == AlbumAction::Delete) {
        if (!context_.myAlbums().erase(user, call.request.integer(3)))
            return WireReply::error(ServiceCode::NotFound);
        return WireReply().plainNumber(0).str();
    }
    const auto albums = context_.myAlbums().albums(user);
    WireReply reply;
    reply.plainNumber(static_cast<std::int64_t>(albums.size()));
    for (const MyAlbum& album : albums)
        reply.text(std::to_string(album.id)).text(album.name).plainNumber(album.songCount);
    return reply.str();
}

std::string MyAlbumCommands::myAlbumSource(const CommandCall& call) const {
    const std::string& user = call.request.userId();
    const auto names = albumNames(context_.myAlbums(), user);
    WireReply groups;
    std::int64_t count = 0;
    for (const auto& [id, name] : names) {
        for (const MyAlbumSong& row : context_.myAlbums().songs(user, id)) {
            if (row.songId == call.request.field(2)) {
                groups.text(std::to_string(id)).text(name);
                ++count;
                break;
            }
        }
    }
    const std::string head = WireReply().plainNumber(count).str();
    return count == 0 ? head : head + '\x0B' + groups.str();
}

std::string MyAlbumCommands::albumScrap(const CommandCall& call) const {
    return WireReply().plainNumber(0).text(call.baseUrl + "/album_scrap.jsp").str();
}

} // namespace kesto::service
