#include "library/playlist_mover.h"

#include "library/sql_failure.h"

#include "platform/cp949.h"

namespace kesto {

namespace {

constexpr const char* kSelectPlaylists = "select Album_ID, Album_Name from AlbumName_tbl";
constexpr const char* kMoveRow = "update AlbumInfo_tbl set Album_ID = ? where Song_ID = ? and Album_ID = ?";
// Read by position into the copy.
constexpr const char* kSelectRow =
    "select Song_ID, Song_Type, Song_Name, Play_Time, Artist_Name, Album_Name, Bitrate, Listen_Count, Date, "
    "bRead, ExpireDate, Local_Path from AlbumInfo_tbl where Album_ID = ? and Song_ID = ?";

} // namespace

PlaylistMover::PlaylistMover(MyAlbumDb& db, RowIdGenerator::Clock clock)
    : db_(db), rowIds_(std::move(clock)) {
    rowIds_.continueAfter(db_.rowIds().last()); // the database's ids may run ahead of the clock
}

bool PlaylistMover::listPlaylists(std::string_view shownAlbumId, std::vector<PlaylistEntry>& out) {
    out.clear();
    SQLite::Database* db = db_.database();
    if (db == nullptr)
        return false;
    try {
        SQLite::Statement query(*db, kSelectPlaylists);
        while (query.executeStep()) {
            std::string id = query.getColumn(0).getString();
            if (!Cp949::equalsIgnoreCase(id, shownAlbumId))
                out.push_back({std::move(id), query.getColumn(1).getString()});
        }
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("play lists not read", error);
        out.clear();
        return false;
    }
    return true;
}

PutResult PlaylistMover::put(const std::vector<Song>& songs, std::string_view targetAlbumId,
                             std::string_view currentAlbumId, bool fromPlaylist, bool move) {
    PutResult result;
    for (const auto& song : songs) {
        // A record from another page may carry a made-up id; the path's recorded one counts.
        const std::string songId = fromPlaylist ? std::string(song.text(SongField::Song_ID))
                                                : db_.songIdByPath(song.text(SongField::Local_Path));
        if (db_.containsSong(targetAlbumId, songId, song.text(SongField::Local_Path))) {
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
    return db_.change(kMoveRow, std::string(to), std::string(songId), std::string(from));
}

bool PlaylistMover::copyRow(std::string_view songId, std::string_view from, std::string_view to) {
    SQLite::Database* db = db_.database();
    if (db == nullptr)
        return false;
    AlbumSong copy;
    try {
        SQLite::Statement query(*db, kSelectRow);
        SQLite::bind(query, std::string(from), std::string(songId));
        if (!query.executeStep())
            return false;
        copy.songId = query.getColumn(0).getString();
        copy.songType = query.getColumn(1).getInt();
        copy.songName = query.getColumn(2).getString();
        copy.playTime = query.getColumn(3).getInt();
        copy.artist = query.getColumn(4).getString();
        copy.albumTitle = query.getColumn(5).getString();
        copy.bitrate = query.getColumn(6).getInt();
        copy.listenCount = query.getColumn(7).getInt();
        copy.date = query.getColumn(8).getString();
        copy.readMark = query.getColumn(9).getInt();
        copy.expireDate = query.getColumn(10).getString();
        copy.localPath = query.getColumn(11).getString();
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("play list song not read", error);
        return false;
    }
    copy.albumId = std::string(to);
    return !db_.insertSong(copy, rowIds_).empty();
}

} // namespace kesto
