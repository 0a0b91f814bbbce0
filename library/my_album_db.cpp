#include "library/my_album_db.h"

#include "platform/failure_log.h"
#include "settings/private_folder.h"

#include "library/damaged_database.h"
#include "sql/sql_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace kesto {

namespace {

constexpr const char* kCreateAlbumNames =
    "create table AlbumName_tbl (Album_ID varchar(20) PRIMARY KEY ,Album_Name varchar(255));";
constexpr const char* kCreateAlbumInfo =
    "create table AlbumInfo_tbl (ID varchar(20) PRIMARY KEY,\t\t\t\t\t\t\t\t\t"
    "Album_ID varchar(20),\t\t\t\t\t\t\t\t\t"
    "Song_ID\tvarchar(20),\t\t\t\t\t\t\t\t\t"
    "Song_Type small int,\t\t\t\t\t\t\t\t\t"
    "Song_Name varchar(255),\t\t\t\t\t\t\t\t\t"
    "Play_Time small int,\t\t\t\t\t\t\t\t\t"
    "Artist_Name varchar(255),\t\t\t\t\t\t\t\t\t"
    "Album_Name varchar(255),\t\t\t\t\t\t\t\t\t"
    "Bitrate small int,\t\t\t\t\t\t\t\t\t"
    "Listen_Count int,\t\t\t\t\t\t\t\t\t"
    "Date datetime,\t\t\t\t\t\t\t\t\t"
    "bRead BOOL default 0,\t\t\t\t\t\t\t\t\t"
    "ExpireDate varchar(14),\t\t\t\t\t\t\t\t\t"
    "Local_Path varchar(260));";
// Look-ups by path and song id run once per imported file; without these each is a table scan.
constexpr const char* kIndexPath =
    "create index if not exists AlbumInfo_Path_idx on AlbumInfo_tbl (Local_Path);";
constexpr const char* kIndexSong =
    "create index if not exists AlbumInfo_Song_idx on AlbumInfo_tbl (Song_ID);";
constexpr const char* kDropShortIds = "delete from albuminfo_tbl where length(Song_id) < 4";
constexpr const char* kLastRowId = "select max(ID) from AlbumInfo_tbl";

constexpr const char* kSelectAlbumName = "select Album_Name from AlbumName_tbl where Album_ID=?";
constexpr const char* kInsertAlbum = "insert into AlbumName_tbl (Album_ID, Album_Name) values (?, ?)";
constexpr const char* kInsert =
    "insert into AlbumInfo_tbl (ID, Album_ID, Song_ID, Song_Type, Song_Name, Play_Time, Artist_Name, "
    "Album_Name, Bitrate, Listen_Count, Date, bRead, ExpireDate, Local_Path) "
    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
// Both listings read by position: song id, album id, the album's name, path, date added. A song
// in several albums is listed once.
constexpr const char* kListAllSongs = "select x.Song_ID, x.Album_ID, y.Album_Name, x.Local_Path, x.Date "
                                      "from AlbumInfo_tbl x join AlbumName_tbl y on x.Album_ID = y.Album_ID "
                                      "group by x.Song_ID order by x.ID asc";
constexpr const char* kListAlbum = "select x.Song_ID, x.Album_ID, y.Album_Name, x.Local_Path, x.Date "
                                   "from AlbumInfo_tbl x join AlbumName_tbl y on x.Album_ID = y.Album_ID "
                                   "where x.Album_ID = ? group by x.Song_ID order by x.ID asc";
constexpr const char* kIncrementListen =
    "update AlbumInfo_tbl set Listen_Count = Listen_Count + 1 where Album_ID = ? and ID = ?";
constexpr const char* kRowOfSong = "select ID from AlbumInfo_tbl where Album_ID = ? and Song_ID = ?";
constexpr const char* kDeleteEverywhere = "delete from AlbumInfo_tbl where Song_ID = ?";
constexpr const char* kCountSongRows = "select count(*) from AlbumInfo_tbl where Song_ID = ?";
constexpr const char* kDeleteFromAlbum = "delete from AlbumInfo_tbl where Album_ID = ? and Song_ID = ?";
constexpr const char* kMoveToAllSongs = "update AlbumInfo_tbl set Album_ID = ? where Song_ID = ?";
constexpr const char* kAlbumNamesOfSong =
    "select distinct y.Album_Name from AlbumInfo_tbl x join AlbumName_tbl y on x.Album_ID = y.Album_ID "
    "where x.Song_ID = ?";
constexpr const char* kContainsAll =
    "select 1 from AlbumInfo_tbl where Song_ID = ? and Album_ID = ? and Local_Path = ?";
constexpr const char* kContainsSong = "select 1 from AlbumInfo_tbl where Song_ID = ? and Album_ID = ?";
constexpr const char* kContainsPath = "select 1 from AlbumInfo_tbl where Album_ID = ? and Local_Path = ?";
constexpr const char* kSongIdByPath = "select Song_ID from AlbumInfo_tbl where Local_Path = ?";
constexpr const char* kListenCount = "select Listen_Count from AlbumInfo_tbl where Song_ID = ?";
constexpr const char* kRowOfId = "select 1 from AlbumInfo_tbl where ID = ?";

constexpr const char* kFolder = "Playlist";
constexpr const char* kFileName = "MyAlbum.dbf";

// atol() of the id: the all-songs album may come as " 4000" or "4000x".
long asNumber(std::string_view id) {
    return std::atol(std::string(id).c_str());
}

// 1 to 18 ASCII digits: an id compared as the number it spells.
bool isPlainNumber(std::string_view text) {
    return !text.empty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

MyAlbumDb::MyAlbumDb() = default;

MyAlbumDb::MyAlbumDb(RowIdGenerator::Clock clock) : rowIds_(std::move(clock)) {}

std::filesystem::path MyAlbumDb::filePath(const std::filesystem::path& base) {
    const auto folder = base / kFolder;
    PrivateFolder::make(folder);
    return folder / kFileName;
}

std::filesystem::path MyAlbumDb::privateFile(const std::filesystem::path& base) {
    const std::filesystem::path file = filePath(base);
    if (PrivateFolder::isOwn(file.parent_path()))
        return file;
    // Another user's folder, or one others may write: the albums go to the user's own instead.
    const std::filesystem::path own = PrivateFolder::userData() / kFolder;
    FailureLog::write(LogCategory::Library,
                      "album folder " + file.parent_path().string() +
                          " is another user's or others may write it: " +
                          (own.empty() ? std::string("no albums") : own.string() + " used"));
    if (own.empty() || !PrivateFolder::make(own))
        return {};
    movedTo_ = own;
    return own / kFileName;
}

bool MyAlbumDb::start(const std::filesystem::path& base) {
    damagedCopy_.clear();
    movedTo_.clear();
    const std::filesystem::path file = privateFile(base);
    if (file.empty())
        return false;
    // Checked before the connection switches its journal, which writes to the file.
    if (DamagedDatabase::isDamaged(file)) {
        damagedCopy_ = DamagedDatabase::keepAside(file);
        // A damaged file that cannot be moved is left alone: no albums rather than lost ones.
        if (damagedCopy_.empty())
            return false;
    }
    if (!openDatabase(file.string()))
        return false;
    if (createTables())
        execStatement(kDropShortIds);
    // A large import issues ids faster than the clock: the next ones must come after them.
    rowIds_.continueAfter(firstText(kLastRowId).value_or(std::string()));
    return true;
}

void MyAlbumDb::close() {
    statements_.clear();
    db_.reset();
}

SQLite::Statement& MyAlbumDb::statement(const char* sql) {
    std::unique_ptr<SQLite::Statement>& kept = statements_[sql];
    if (!kept)
        kept = std::make_unique<SQLite::Statement>(*db_, sql);
    kept->tryReset(); // a failed run leaves its error here
    return *kept;
}

bool MyAlbumDb::openDatabase(const std::string& path) {
    close();
    try {
        db_.emplace(SqlFile::open(path, kBusyTimeoutMs));
        path_ = path;
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("album database not opened", error);
        return false;
    }
    return true;
}

bool MyAlbumDb::createTables() {
    if (!db_)
        return false;
    for (const char* sql : {kCreateAlbumNames, kCreateAlbumInfo, kIndexPath, kIndexSong})
        db_->tryExec(sql); // fails when the table exists already
    return true;
}

bool MyAlbumDb::execStatement(const std::string& sql) {
    if (!db_)
        return false;
    try {
        db_->exec(sql);
        return true;
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("album database statement failed", error);
        return false;
    }
}

bool MyAlbumDb::addAlbum(std::string_view albumId, std::string_view name) {
    return change(kInsertAlbum, std::string(albumId), std::string(name));
}

std::string MyAlbumDb::albumName(std::string_view albumId) {
    // Compared as a number, as the id column's text affinity turns it back into its digits.
    if (!isPlainNumber(albumId))
        return {};
    return firstText(kSelectAlbumName, static_cast<std::int64_t>(std::stoll(std::string(albumId))))
        .value_or(std::string());
}

std::string MyAlbumDb::insertSong(const AlbumSong& song) {
    return insertSong(song, rowIds_);
}

std::string MyAlbumDb::insertSong(const AlbumSong& song, RowIdGenerator& ids) {
    return insert(song, ids, nullptr);
}

std::string MyAlbumDb::insertSongOfPath(const AlbumSong& song, std::string_view pathSongId) {
    const std::string known(pathSongId);
    return insert(song, rowIds_, &known);
}

std::string MyAlbumDb::insert(const AlbumSong& song, RowIdGenerator& ids, const std::string* pathSongId) {
    const std::string rowId = ids.next();
    const std::string date = song.date.empty() ? ids.today() : song.date;
    if (song.localPath.empty())
        return {};
    std::string songId = pathSongId != nullptr ? *pathSongId : songIdByPath(song.localPath);
    if (songId.empty())
        songId = rowId;
    const bool stored = change(kInsert, rowId, song.albumId, songId, static_cast<std::int16_t>(song.songType),
                               song.songName, static_cast<std::int16_t>(song.playTime), song.artist,
                               song.albumTitle, static_cast<std::int16_t>(song.bitrate), song.listenCount,
                               date, song.readMark, song.expireDate, song.localPath);
    return stored ? songId : std::string();
}

bool MyAlbumDb::listAlbumSongs(std::string_view albumId, AlbumSongList& out) {
    if (!db_)
        return false;
    try {
        const bool allSongs = asNumber(albumId) == kAllSongsAlbum;
        SQLite::Statement query(*db_, allSongs ? kListAllSongs : kListAlbum);
        if (!allSongs)
            query.bind(1, std::string(albumId));
        while (query.executeStep()) {
            std::string localPath = query.getColumn(3).getString();
            if (localPath.empty() || !fileExists(localPath))
                continue;
            out.songIds.push_back(query.getColumn(0).getString());
            out.albumIds.push_back(query.getColumn(1).getString());
            out.albumNames.push_back(query.getColumn(2).getString());
            out.localPaths.push_back(std::move(localPath));
            out.dates.push_back(query.getColumn(4).getString());
        }
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("album not listed", error);
        return false;
    }
    return true;
}

bool MyAlbumDb::incrementListenCount(std::string_view albumId, std::string_view rowId) {
    if (albumId.empty() && rowId.empty())
        return false;
    return change(kIncrementListen, std::string(albumId), std::string(rowId));
}

bool MyAlbumDb::countListen(std::string_view albumId, std::string_view songId) {
    if (albumId.empty() || songId.empty())
        return false;
    const std::optional<std::string> row = firstText(kRowOfSong, std::string(albumId), std::string(songId));
    return row && incrementListenCount(albumId, *row);
}

bool MyAlbumDb::removeSong(std::string_view songId, std::string_view albumId) {
    if (songId.empty())
        return false;
    const std::string song(songId);
    if (asNumber(albumId) == kAllSongsAlbum)
        return change(kDeleteEverywhere, song);
    const std::optional<std::string> count = firstText(kCountSongRows, song);
    if (!count)
        return false;
    if (std::atoi(count->c_str()) >= 1)
        return change(kDeleteFromAlbum, std::string(albumId), song);
    return change(kMoveToAllSongs, std::to_string(kAllSongsAlbum), song);
}

void MyAlbumDb::albumNamesOfSong(std::string_view songId, std::vector<std::string>& out) {
    out.clear();
    if (!db_)
        return;
    try {
        SQLite::Statement query(*db_, kAlbumNamesOfSong);
        query.bind(1, std::string(songId));
        while (query.executeStep())
            out.push_back(query.getColumn(0).getString());
    } catch (const SQLite::Exception& error) {
        SqlFailure::log("album names of a song not read", error);
        out.clear();
    }
}

bool MyAlbumDb::containsSong(std::string_view albumId, std::string_view songId, std::string_view localPath) {
    if (songId.empty() && localPath.empty())
        return false;
    const std::string album(albumId), song(songId), path(localPath);
    if (!songId.empty() && !localPath.empty())
        return firstText(kContainsAll, song, album, path).has_value();
    if (!songId.empty())
        return firstText(kContainsSong, song, album).has_value();
    return firstText(kContainsPath, album, path).has_value();
}

std::string MyAlbumDb::songIdByPath(std::string_view localPath) {
    return recordedSongId(localPath).value_or(std::string());
}

std::optional<std::string> MyAlbumDb::recordedSongId(std::string_view localPath) {
    if (localPath.empty())
        return std::nullopt;
    return firstText(kSongIdByPath, std::string(localPath));
}

std::optional<int> MyAlbumDb::listenCount(std::string_view songId) {
    const std::optional<std::string> count = firstText(kListenCount, std::string(songId));
    if (!count)
        return std::nullopt;
    return std::atoi(count->c_str());
}

bool MyAlbumDb::isRowId(std::string_view songId) {
    return firstText(kRowOfId, std::string(songId)).has_value();
}

} // namespace kesto
