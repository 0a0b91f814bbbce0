#include "library/my_album_db.h"

#include "settings/private_folder.h"

#include "library/album_row.h"
#include "library/damaged_database.h"
#include "library/sql_error.h"
#include "library/sql_text.h"

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
constexpr const char* kJournal = "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;";

constexpr const char* kSelectAlbumName = "select Album_Name from AlbumName_tbl where Album_ID=%s";
constexpr const char* kInsert =
    "insert into AlbumInfo_tbl (ID,Album_ID, "
    "Song_ID,Song_Type,Song_Name,Play_Time,Artist_Name,Album_Name,Bitrate,Listen_Count,Date,bRead,ExpireDate,"
    "Local_Path) values('%s','%s','%s',%d,'%s','%d','%s','%s','%d','%d','%s',%d,'%s','%s');";
constexpr const char* kListAllSongs =
    "select count(x.Song_ID),*from AlbumInfo_tbl x Join AlbumName_tbl y where "
    "x.Album_ID=y.Album_ID group by x.song_id order by x.ID  asc ";
constexpr const char* kListAlbum =
    "select * from AlbumInfo_tbl x Join AlbumName_tbl y where x.Album_ID='%s' group "
    "by x.song_id order by x.ID asc ";
constexpr const char* kIncrementListen =
    "update AlbumInfo_tbl set Listen_Count= Listen_Count + 1 where Album_ID='%s' and ID='%s'";
constexpr const char* kDeleteEverywhere = "delete from AlbumInfo_tbl where Song_ID='%s'";
constexpr const char* kCountSongRows = "select count(*) from AlbumInfo_tbl where Song_ID='%s'";
constexpr const char* kDeleteFromAlbum = "delete from AlbumInfo_tbl where Album_ID='%s' and Song_ID='%s'";
constexpr const char* kMoveToAllSongs = "update AlbumInfo_tbl set Album_ID='%d' where Song_ID='%s'";
constexpr const char* kAlbumNamesOfSong =
    "select distinct y.Album_Name from AlbumInfo_tbl x Join AlbumName_tbl y "
    "where x.Album_ID=y.Album_ID and x.Song_ID='%s'";
constexpr const char* kContainsAll =
    "select * from AlbumInfo_tbl where Song_ID='%s' and Album_ID='%s' and Local_Path='%s'";
constexpr const char* kContainsSong = "select * from AlbumInfo_tbl where Song_ID='%s' and Album_ID='%s'";
constexpr const char* kContainsPath = "select * from AlbumInfo_tbl where Album_ID='%s' and Local_Path='%s'";
constexpr const char* kSongIdByPath = "select Song_ID from AlbumInfo_tbl where Local_Path='%s'";
constexpr const char* kListenCount = "select Listen_Count from AlbumInfo_tbl where ";

constexpr const char* kFolder = "Playlist";
constexpr const char* kFileName = "MyAlbum.dbf";

std::string q(std::string_view value) {
    return SqlText::quoteDoubled(value);
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

bool MyAlbumDb::start(const std::filesystem::path& base) {
    const std::filesystem::path file = filePath(base);
    damagedCopy_.clear();
    if (!openDatabase(file.string()))
        return false;
    if (DamagedDatabase::isDamaged(db_)) {
        db_.close();
        damagedCopy_ = DamagedDatabase::keepAside(file);
        // A damaged file that cannot be moved is left alone: no albums rather than lost ones.
        if (damagedCopy_.empty() || !openDatabase(file.string()))
            return false;
    }
    if (createTables())
        execStatement(kDropShortIds);
    // A large import issues ids faster than the clock: the next ones must come after them.
    rowIds_.continueAfter(firstField(kLastRowId, false));
    return true;
}

bool MyAlbumDb::openDatabase(const std::string& path) {
    try {
        db_.open(path.c_str());
        path_ = path;
    } catch (const SqlError&) {
        return false;
    }
    try {
        db_.exec(kJournal);
    } catch (const SqlError&) {
        // The file stays usable in its old journal mode.
    }
    return true;
}

bool MyAlbumDb::createTables() {
    for (const char* sql : {kCreateAlbumNames, kCreateAlbumInfo, kIndexPath, kIndexSong}) {
        try {
            db_.exec(sql);
        } catch (const SqlError&) {
            // The table exists already.
        }
    }
    return true;
}

bool MyAlbumDb::execStatement(const std::string& sql) {
    try {
        db_.exec(sql.c_str());
        return true;
    } catch (const SqlError&) {
        return false;
    }
}

std::string MyAlbumDb::firstField(const std::string& sql, bool lastRow) {
    std::string value;
    try {
        SqlQuery query = db_.query(sql.c_str());
        while (!query.atEnd()) {
            if (query.fieldCount() > 0) {
                const char* field = query.fieldValue(0);
                value = field ? field : "";
                if (!lastRow)
                    break;
            }
            query.nextRow();
        }
    } catch (const SqlError&) {
        return {};
    }
    return value;
}

std::string MyAlbumDb::albumName(std::string_view albumId) {
    // The id goes into the statement unquoted: anything but digits could rewrite it.
    if (!SqlText::isPlainNumber(albumId))
        return {};
    return firstField(SqlText::format(kSelectAlbumName, std::string(albumId).c_str()), true);
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
    // Bound in the format's place: the same row as the formatted text, its quotes doubled.
    using V = SqlValue;
    try {
        db_.exec(kInsert, {V::text(rowId), V::text(song.albumId), V::text(songId),
                           V::number(static_cast<std::int16_t>(song.songType)), V::text(song.songName),
                           V::number(static_cast<std::int16_t>(song.playTime)), V::text(song.artist),
                           V::text(song.albumTitle), V::number(static_cast<std::int16_t>(song.bitrate)),
                           V::number(song.listenCount), V::text(date), V::number(song.readMark),
                           V::text(song.expireDate), V::text(song.localPath)});
    } catch (const SqlError&) {
        return {};
    }
    return songId;
}

bool MyAlbumDb::listAlbumSongs(std::string_view albumId, AlbumSongList& out) {
    const std::string sql = SqlText::toLong(albumId) == kAllSongsAlbum
                                ? std::string(kListAllSongs)
                                : SqlText::format(kListAlbum, q(albumId).c_str());
    try {
        SqlQuery query = db_.query(sql.c_str());
        // Column names are the same on every row: find their fields once.
        std::vector<std::pair<int, AlbumRow::Field>> columns;
        for (int i = 0; i < query.fieldCount(); ++i)
            if (const auto field = AlbumRow::fieldNamed(query.fieldName(i)))
                columns.emplace_back(i, field);
        while (!query.atEnd()) {
            AlbumRow row;
            for (const auto& [index, field] : columns) {
                const char* value = query.fieldValue(index);
                row.*field = value ? value : "";
            }
            if (!row.localPath.empty() && fileExists(row.localPath)) {
                out.songIds.push_back(row.songId);
                out.albumIds.push_back(row.albumId);
                out.albumNames.push_back(row.albumName);
                out.localPaths.push_back(row.localPath);
                out.dates.push_back(row.date);
            }
            query.nextRow();
        }
    } catch (const SqlError&) {
        return false;
    }
    return true;
}

bool MyAlbumDb::incrementListenCount(std::string_view albumId, std::string_view rowId) {
    if (albumId.empty() && rowId.empty())
        return false;
    return execStatement(SqlText::format(kIncrementListen, q(albumId).c_str(), q(rowId).c_str()));
}

bool MyAlbumDb::removeSong(std::string_view songId, std::string_view albumId) {
    if (songId.empty())
        return false;
    if (SqlText::toLong(albumId) == kAllSongsAlbum)
        return execStatement(SqlText::format(kDeleteEverywhere, q(songId).c_str()));
    const std::string count = firstField(SqlText::format(kCountSongRows, q(songId).c_str()), false);
    if (count.empty())
        return false;
    if (std::atoi(count.c_str()) >= 1)
        return execStatement(SqlText::format(kDeleteFromAlbum, q(albumId).c_str(), q(songId).c_str()));
    return execStatement(
        SqlText::format(kMoveToAllSongs, static_cast<int>(kAllSongsAlbum), q(songId).c_str()));
}

void MyAlbumDb::albumNamesOfSong(std::string_view songId, std::vector<std::string>& out) {
    out.clear();
    try {
        SqlQuery query = db_.query(SqlText::format(kAlbumNamesOfSong, q(songId).c_str()).c_str());
        while (!query.atEnd()) {
            if (query.fieldCount() > 0) {
                const char* name = query.fieldValue(0);
                out.emplace_back(name ? name : "");
            }
            query.nextRow();
        }
    } catch (const SqlError&) {
        out.clear();
    }
}

bool MyAlbumDb::containsSong(std::string_view albumId, std::string_view songId, std::string_view localPath) {
    if (songId.empty() && localPath.empty())
        return false;
    using V = SqlValue;
    try {
        if (!songId.empty() && !localPath.empty())
            return db_.hasRow(kContainsAll, {V::text(songId), V::text(albumId), V::text(localPath)});
        if (!songId.empty())
            return db_.hasRow(kContainsSong, {V::text(songId), V::text(albumId)});
        return db_.hasRow(kContainsPath, {V::text(albumId), V::text(localPath)});
    } catch (const SqlError&) {
        return false;
    }
}

std::string MyAlbumDb::songIdByPath(std::string_view localPath) {
    return recordedSongId(localPath).value_or(std::string());
}

std::optional<std::string> MyAlbumDb::recordedSongId(std::string_view localPath) {
    if (localPath.empty())
        return std::nullopt;
    try {
        return db_.firstField(kSongIdByPath, {SqlValue::text(localPath)});
    } catch (const SqlError&) {
        return std::nullopt;
    }
}

std::optional<int> MyAlbumDb::listenCount(std::string_view songId) {
    const std::string sql = std::string(kListenCount) + "Song_ID='" + q(songId) + "'";
    try {
        SqlQuery query = db_.query(sql.c_str());
        if (query.atEnd() || query.fieldCount() < 1)
            return std::nullopt;
        const char* value = query.fieldValue(0);
        return std::atoi(value ? value : "");
    } catch (const SqlError&) {
        return std::nullopt;
    }
}

} // namespace kesto
