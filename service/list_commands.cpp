#include "service/list_commands.h"

#include "platform/cp949.h"
#include "service/list_codes.h"
#include "service/list_page.h"
#include "service/service_context.h"
#include "service/song_fields.h"
#include "service/wire_reply.h"

#include <map>

namespace kesto::service {
namespace {

// Menu requests carry code, page and an empty field; link requests carry code, mode, page, tag.
std::int64_t pageOf(const WireRequest& request) {
    return request.integer(request.size() >= 6 ? 4 : 3);
}

const std::string& recentTitle() {
    static const std::string text = Cp949::fromUtf8("최근 들은 곡");
    return text;
}

const std::string& oftenTitle() {
    static const std::string text = Cp949::fromUtf8("많이 들은 곡");
    return text;
}

} // namespace

void ListCommands::install(CommandRouter& router) {
    router.add("kestoSong", 4, [this](const CommandCall& c) { return kestoSong(c); });
    router.add("album", 3, [this](const CommandCall& c) { return album(c, false); });
    router.add("artist", 3, [this](const CommandCall& c) { return album(c, true); });
    router.add("theme", 3, [this](const CommandCall& c) { return theme(c); });
    router.add("search", 4, [this](const CommandCall& c) { return search(c); });
    router.add("song", 3, [this](const CommandCall& c) { return song(c); });
}

std::string ListCommands::kestoSong(const CommandCall& call) const {
    const std::string& code = call.request.field(2);
    if (code == list_codes::kRecentWord)
        return listened(call, pageOf(call.request), false);
    if (code == list_codes::kOftenWord)
        return listened(call, pageOf(call.request), true);
    return chart(call, pageOf(call.request));
}

std::string ListCommands::chart(const CommandCall& call, std::int64_t pageIndex) const {
    const Chart* chart = context_.catalogue().chart(call.request.field(2));
    if (chart == nullptr)
        return WireReply::error(ServiceCode::NotFound);
    std::map<std::string, ListenRow> played;
    for (ListenRow& row : context_.history().listens(call.request.userId(), false))
        played.emplace(row.songId, std::move(row));
    const ListPage page(pageIndex, chart->entries.size());
    WireReply reply;
    page.header(reply).text(chart->title).text(chart->code);
    reply.text(call.baseUrl + "/chart.jsp?code=" + chart->code);
    const SongFields fields(context_.catalogue());
    for (const ChartEntry& entry : page.of(chart->entries)) {
        const Song* song = context_.catalogue().song(entry.songId);
        const auto seen = played.find(entry.songId);
        fields.withQuality(reply, *song);
        fields.extras(reply, *song);
        reply.text(seen == played.end() ? std::string() : seen->second.lastPlayed);
        reply.number(seen == played.end() ? 0 : seen->second.count).raw(entry.rankText);
    }
    return reply.str();
}

std::string ListCommands::listened(const CommandCall& call, std::int64_t pageIndex, bool byCount) const {
    const std::vector<ListenRow> rows = context_.history().listens(call.request.userId(), byCount);
    const ListPage page(pageIndex, rows.size());
    WireReply reply;
    page.header(reply).text(byCount ? oftenTitle() : recentTitle());
    reply.text(byCount ? list_codes::kOften : list_codes::kRecent).text("");
    const SongFields fields(context_.catalogue());
    for (const ListenRow& row : page.of(rows)) {
        const Song* song = context_.catalogue().song(row.songId);
        if (song == nullptr)
            continue;
        fields.withQuality(reply, *song);
        fields.extras(reply, *song);
        reply.text(row.lastPlayed).number(row.count).raw("NO");
    }
    return reply.str();
}

std::string ListCommands::plainList(const std::vector<const Song*>& songs, std::int64_t pageIndex,
                                    const std::string& first, const std::string& second) const {
    const ListPage page(pageIndex, songs.size());
    WireReply reply;
    page.header(reply).text(first).text(second);
    const SongFields fields(context_.catalogue());
    for (const Song* song : page.of(songs))
        fields.plain(reply, *song);
    return reply.str();
}

std::string ListCommands::album(const CommandCall& call, bool byArtist) const {
    // Link items: id, type, page.
    const std::string& id = call.request.field(2);
    const auto page = call.request.integer(4);
    if (byArtist) {
        const Artist* artist = context_.catalogue().artist(id);
        if (artist == nullptr)
            return WireReply::error(ServiceCode::NotFound);
        return plainList(context_.catalogue().artistSongs(id), page, artist->name, list_codes::kArtist);
    }
    const Album* album = context_.catalogue().album(id);
    if (album == nullptr)
        return WireReply::error(ServiceCode::NotFound);
    return plainList(context_.catalogue().albumSongs(id), page, album->name, list_codes::kAlbum);
}

std::string ListCommands::theme(const CommandCall& call) const {
    // Link items: theme id, mode, page, tag; then "0".
    const Theme* theme = context_.catalogue().theme(call.request.field(2));
    if (theme == nullptr)
        return WireReply::error(ServiceCode::NotFound);
    std::vector<const Song*> songs;
    for (const std::string& id : theme->songIds)
        if (const Song* song = context_.catalogue().song(id))
            songs.push_back(song);
    // The theme layout has the list code before the header text.
    return plainList(songs, call.request.integer(4), list_codes::kTheme, theme->title);
}

std::string ListCommands::search(const CommandCall& call) const {
    const auto type = call.request.integer(2);
    const std::string keyword = WireRequest::percentDecode(call.request.field(3));
    const auto kind = type >= 1 && type <= 4 ? static_cast<SearchType>(type) : SearchType::All;
    const std::vector<const Song*> songs = context_.catalogue().search(kind, keyword);
    const ListPage page(call.request.integer(4), songs.size());
    WireReply reply;
    page.header(reply).plainNumber(type).text(list_codes::kSearch);
    reply.text(call.baseUrl + "/search.jsp?type=" + std::to_string(type) + "&keyword=" + keyword);
    const SongFields fields(context_.catalogue());
    for (const Song* song : page.of(songs)) {
        fields.full(reply, *song);
        reply.text(song->mvId);
    }
    return reply.str();
}

std::string ListCommands::song(const CommandCall& call) const {
    // A song link sends "1", "1", the id; a download sends the count, then the ids.
    std::vector<const Song*> songs;
    for (std::size_t i = 2; i < call.request.size(); ++i)
        if (const Song* song = context_.catalogue().song(call.request.field(i)))
            songs.push_back(song);
    if (songs.empty())
        return WireReply::error(ServiceCode::NotFound);
    WireReply reply;
    reply.plainNumber(static_cast<std::int64_t>(songs.size()));
    const SongFields fields(context_.catalogue());
    for (const Song* song : songs)
        fields.full(reply, *song);
    return reply.str();
}

} // namespace kesto::service
