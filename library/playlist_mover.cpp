#include "library/playlist_mover.h"

#include "library/sql_error.h"
#include "library/sql_text.h"
#include "platform/cp949.h"

#include <cstdlib>
#include <map>

namespace kesto {

namespace {

constexpr const char* kSelectPlaylists = "select Album_ID,Album_Name from AlbumName_tbl";

std::string quoted(std::string_view value) {
    return "'" + SqlText::quoteDoubled(value) + "'";
}

int toInt(const std::map<std::string, std::string>& row, const char* name) {
    const auto it = row.find(name);
    return it == row.end() ? 0 : std::atoi(it->second.c_str());
}

std::string text(const std::map<std::string, std::string>& row, const char* name) {
    const auto it = row.find(name);
    return it == row.end() ? std::string() : it->second;
}

} // namespace

PlaylistMover::PlaylistMover(MyAlbumDb& db, RowIdGenerator::Clock clock)
    : db_(db), rowIds_(std::move(clock)) {
    rowIds_.continueAfter(db_.rowIds().last()); // the database's ids may run ahead of the clock
}

bool PlaylistMover::listPlaylists(std::string_view shownAlbumId, std::vector<PlaylistEntry>& out) {
    out.clear();
    try {
        SqlQuery query = db_.database().query(kSelectPlaylists);
        for (; !query.atEnd(); query.nextRow()) {
            const char* id = query.fieldValue(0);
            const char* name = query.fieldValue(1);
            if (!Cp949::equalsIgnoreCase(id ? id : "", shownAlbumId))
                out.push_back({id ? id : "", name ? name : ""});
        }
    } catch (const SqlError& error) {
        error.log("play lists not read");
        out.clear();
        return false;
    }
    return true;
}

PutResult PlaylistMover::put(const std::vector<SongRecord>& songs, std::string_view targetAlbumId,
                             std::string_view currentAlbumId, bool fromPlaylist, bool move) {
    PutResult result;
    for (const auto& song : songs) {
        // A record from another page may carry a made-up id; the path's recorded one counts.
        const std::string songId =
            fromPlaylist ? std::string(song.Song_ID) : db_.songIdByPath(song.Local_Path);
        if (db_.containsSong(targetAlbumId, songId, song.Local_Path)) {
            ++result.skipped;
            continue;
        }
        bool done = false;
        if (!fromPlaylist)
            done = !db_.insertSong(AlbumSong::fromRecord(song, targetAlbumId, {}), rowIds_).empty();
        else if (move)
            done = moveRow(songId, currentAlbumId, targetAlbumId);
        else
            done = copyRow(songId, currentAlbumId, targetAlbumId);
        ++(done ? result.handled : result.failed);
    }
    return result;
}

bool PlaylistMover::moveRow(std::string_view songId, std::string_view from, std::string_view to) {
    const std::string sql = "update AlbumInfo_tbl set Album_ID=" + quoted(to) + " " +
                            "where Song_ID=" + quoted(songId) + " and " + "Album_ID=" + quoted(from);
    return db_.execStatement(sql);
}

bool PlaylistMover::copyRow(std::string_view songId, std::string_view from, std::string_view to) {
    const std::string sql = std::string("select * from AlbumInfo_tbl where ") + "Album_ID=" + quoted(from) +
                            " and " + "Song_ID=" + quoted(songId);
    std::map<std::string, std::string> row;
    try {
        SqlQuery query = db_.database().query(sql.c_str());
        if (query.atEnd())
            return false;
        for (int i = 0; i < query.fieldCount(); ++i) {
            const char* value = query.fieldValue(i);
            row[query.fieldName(i)] = value ? value : "";
        }
    } catch (const SqlError& error) {
        error.log("play list song not read");
        return false;
    }
    AlbumSong copy;
    copy.albumId = std::string(to);
    copy.songId = text(row, "Song_ID");
    copy.songType = toInt(row, "Song_Type");
    copy.songName = text(row, "Song_Name");
    copy.playTime = toInt(row, "Play_Time");
    copy.artist = text(row, "Artist_Name");
    copy.albumTitle = text(row, "Album_Name");
    copy.bitrate = toInt(row, "Bitrate");
    copy.listenCount = toInt(row, "Listen_Count");
    copy.date = text(row, "Date");
    copy.readMark = toInt(row, "bRead");
    copy.expireDate = text(row, "ExpireDate");
    copy.localPath = text(row, "Local_Path");
    return !db_.insertSong(copy, rowIds_).empty();
}

} // namespace kesto
