#pragma once
// The user's local albums (play lists) in "Playlist/MyAlbum.dbf": every operation catches the
// database's exceptions and answers with false, an empty text or an empty list.

#include "library/album_song.h"
#include "library/album_song_list.h"
#include "library/row_id_generator.h"
#include "library/sql_failure.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kesto {

class MyAlbumDb {
public:
    // The all-songs album: listing it lists every song once, removing from it removes everywhere.
    static constexpr long kAllSongsAlbum = 4000;
    // Other processes (the host's play list maker, a second panel) may hold the write lock.
    static constexpr int kBusyTimeoutMs = 60000;

    MyAlbumDb();
    explicit MyAlbumDb(RowIdGenerator::Clock clock);

    // base/Playlist/MyAlbum.dbf; the folder is created when missing.
    static std::filesystem::path filePath(const std::filesystem::path& base);
    // Start-up: open base/Playlist/MyAlbum.dbf (Playlist in the user's data folder when that
    // one is not the user's alone), create the tables, drop rows with short song ids. False when the file
    // cannot be opened (the panel then runs without albums). A file that is not a readable database is kept
    // aside (damagedCopy) and a fresh one started.
    bool start(const std::filesystem::path& base = std::filesystem::current_path());
    // Where the last Start put a damaged file; empty when it found none.
    const std::filesystem::path& damagedCopy() const { return damagedCopy_; }
    // The user's own folder the last Start used because base/Playlist was another user's or
    // others could write it; empty when base/Playlist was used.
    const std::filesystem::path& movedTo() const { return movedTo_; }

    bool openDatabase(const std::string& path);
    bool createTables();
    // Runs statements that take no values; false when one fails.
    bool execStatement(const std::string& sql);
    // Runs one statement with values bound to its '?' in order; false when it fails.
    template <typename... Values> bool change(const char* sql, const Values&... values);
    // A play list (a row of AlbumName_tbl); false when it could not be added.
    bool addAlbum(std::string_view albumId, std::string_view name);

    // Empty when the id is not a plain number, nothing matches or the query fails.
    std::string albumName(std::string_view albumId);
    // The song id stored, or empty when nothing was inserted.
    std::string insertSong(const AlbumSong& song);
    // The same with another generator's row IDs (the play list dialog keeps its own).
    std::string insertSong(const AlbumSong& song, RowIdGenerator& ids);
    // The same for a file whose path the caller has just looked up with SongIdByPath
    // (pathSongId is its answer): the path is not looked up a second time.
    std::string insertSongOfPath(const AlbumSong& song, std::string_view pathSongId);
    // Songs of the album whose files still exist, oldest first.
    bool listAlbumSongs(std::string_view albumId, AlbumSongList& out);
    bool incrementListenCount(std::string_view albumId, std::string_view rowId);
    // One more listen for the album's row of the song (a played song knows its album and
    // song id, not its row).
    bool countListen(std::string_view albumId, std::string_view songId);
    bool removeSong(std::string_view songId, std::string_view albumId);
    void albumNamesOfSong(std::string_view songId, std::vector<std::string>& out);
    bool containsSong(std::string_view albumId, std::string_view songId, std::string_view localPath);
    std::string songIdByPath(std::string_view localPath);
    // The same look-up telling a path in no row (none) from a row without song id ("").
    std::optional<std::string> recordedSongId(std::string_view localPath);
    // Listen count of the song's first row, for the information dialog; none without a row.
    std::optional<int> listenCount(std::string_view songId);
    // Whether the song id is a row's own id: one made up here for a file, not the store's.
    bool isRowId(std::string_view songId);

    // The open connection, null before start or after it failed.
    SQLite::Database* database() { return db_ ? &*db_ : nullptr; }
    const std::string& path() const { return path_; }
    RowIdGenerator& rowIds() { return rowIds_; }

private:
    // base/Playlist/MyAlbum.dbf, or the same in the user's data folder; empty when neither may be used.
    std::filesystem::path privateFile(const std::filesystem::path& base);
    // The first column of the first row as text ("" for NULL); none without a row or on failure.
    template <typename... Values>
    std::optional<std::string> firstText(const char* sql, const Values&... values);
    std::string insert(const AlbumSong& song, RowIdGenerator& ids, const std::string* pathSongId);
    // The statement of sql, compiled once per connection (an import runs the same few for every
    // file) and reset for its next values.
    SQLite::Statement& statement(const char* sql);
    void close();

    std::optional<SQLite::Database> db_;
    // After db_: finalized before the connection closes.
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> statements_;
    std::string path_;
    std::filesystem::path damagedCopy_;
    std::filesystem::path movedTo_;
    RowIdGenerator rowIds_;
};

template <typename... Values> bool MyAlbumDb::change(const char* sql, const Values&... values) {
    if (!db_)
        return false;
    try {
        SQLite::Statement& kept = statement(sql);
        SQLite::bind(kept, values...);
        kept.exec();
        return true;
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("album database statement failed", error);
        return false;
    }
}

template <typename... Values>
std::optional<std::string> MyAlbumDb::firstText(const char* sql, const Values&... values) {
    if (!db_)
        return std::nullopt;
    try {
        SQLite::Statement& kept = statement(sql);
        SQLite::bind(kept, values...);
        std::optional<std::string> text;
        if (kept.executeStep() && kept.getColumnCount() > 0)
            text = kept.getColumn(0).getString();
        kept.tryReset(); // no read stays open
        return text;
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("album database read failed", error);
        return std::nullopt;
    }
}

} // namespace kesto
