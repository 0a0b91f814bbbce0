#include "host/library/album_database.h"

#include "host/session/private_files.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace kesto {
namespace {

constexpr const char* kCreateNames =
    "create table if not exists AlbumName_tbl (Album_ID varchar(20) PRIMARY KEY, Album_Name varchar(255))";
constexpr const char* kCreateSongs =
    "create table if not exists AlbumInfo_tbl (ID varchar(20) PRIMARY KEY, Album_ID varchar(20), "
    "Song_ID varchar(20), Song_Type small int, Song_Name varchar(255), Play_Time small int, "
    "Artist_Name varchar(255), Album_Name varchar(255), Bitrate small int, Listen_Count int, "
    "Date datetime, bRead BOOL default 0, ExpireDate varchar(14), Local_Path varchar(260))";
constexpr const char* kSelectLists = "select Album_ID, Album_Name from AlbumName_tbl";
constexpr const char* kInsertList = "insert into AlbumName_tbl values(?, ?)";
constexpr const char* kLastListId = "select max(cast(Album_ID as integer)) from AlbumName_tbl";
constexpr const char* kSongIdOfPath = "select Song_ID from AlbumInfo_tbl where Local_Path = ? limit 1";
constexpr const char* kLastRowId = "select max(ID) from AlbumInfo_tbl";
constexpr const char* kInsertSong =
    "insert into AlbumInfo_tbl (ID, Album_ID, Song_ID, Song_Type, Song_Name, Play_Time, Artist_Name, "
    "Album_Name, Bitrate, Listen_Count, Date, bRead, ExpireDate, Local_Path) "
    "values(?, ?, ?, 0, ?, ?, ?, ?, ?, 0, ?, 0, '', ?)";
constexpr const char* kPathsOfAlbum = "select Local_Path from AlbumInfo_tbl where Album_ID = ? order by ID";
constexpr const char* kFolder = "Playlist";
constexpr const char* kFileName = "MyAlbum.dbf";

// One prepared statement, finalised on every path.
class Statement {
public:
    Statement(sqlite3* db, const char* sql, std::string& error) : error_(error) {
        if (db != nullptr && sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
            error_ = sqlite3_errmsg(db);
            stmt_ = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    Statement& bind(const std::string& text) {
        sqlite3_bind_text(stmt_, ++bound_, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int value) {
        sqlite3_bind_int(stmt_, ++bound_, value);
        return *this;
    }
    bool row() { return ok() && sqlite3_step(stmt_) == SQLITE_ROW; }
    bool done() {
        if (!ok())
            return false;
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_DONE)
            error_ = sqlite3_errmsg(sqlite3_db_handle(stmt_));
        return rc == SQLITE_DONE;
    }
    std::string text(int column) const {
        const auto* value = sqlite3_column_text(stmt_, column);
        return value != nullptr ? reinterpret_cast<const char*>(value) : "";
    }
    long number(int column) const { return static_cast<long>(sqlite3_column_int64(stmt_, column)); }

private:
    std::string& error_;
    sqlite3_stmt* stmt_ = nullptr;
    int bound_ = 0;
};

// Row ids are the local time to the millisecond, as the panel makes them: yyyymmddhhmmssmmm.
std::string timeId(std::chrono::system_clock::time_point when) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm tm{};
    localtime_r(&seconds, &tm);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms));
    return text;
}

} // namespace

AlbumDatabase::~AlbumDatabase() {
    sqlite3_close(db_);
}

std::filesystem::path AlbumDatabase::fileIn(const std::filesystem::path& folder) {
    return folder / kFolder / kFileName;
}

bool AlbumDatabase::open(const std::filesystem::path& folder) {
    // Made here before the panel opens it: the folder and the file are the user's alone.
    const std::string file = fileIn(folder).string();
    if (!PrivateFiles::folder(folder / kFolder, error_) || !PrivateFiles::file(file, error_))
        return false;
    if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK) {
        error_ = "cannot open " + file + ": " + sqlite3_errmsg(db_);
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    return exec(kCreateNames) && exec(kCreateSongs);
}

bool AlbumDatabase::exec(const char* sql) {
    char* message = nullptr;
    if (db_ == nullptr || sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return db_ != nullptr;
    error_ = message != nullptr ? message : "no database";
    sqlite3_free(message);
    return false;
}

std::vector<std::pair<std::string, std::string>> AlbumDatabase::lists() {
    std::vector<std::pair<std::string, std::string>> out;
    Statement query(db_, kSelectLists, error_);
    while (query.row())
        out.emplace_back(query.text(0), query.text(1));
    return out;
}

bool AlbumDatabase::addList(const std::string& albumId, const std::string& name) {
    Statement insert(db_, kInsertList, error_);
    return insert.ok() && insert.bind(albumId).bind(name).done();
}

long AlbumDatabase::createList(const std::string& name) {
    if (name.empty())
        return 0;
    Statement last(db_, kLastListId, error_);
    if (!last.ok())
        return 0;
    long next = last.row() ? last.number(0) + 1 : 1;
    if (next == kAllSongsAlbum)
        ++next;
    return addList(std::to_string(next), name) ? next : 0;
}

std::string AlbumDatabase::songIdOf(const std::string& localPath) {
    Statement query(db_, kSongIdOfPath, error_);
    return query.ok() && query.bind(localPath).row() ? query.text(0) : std::string();
}

std::string AlbumDatabase::nextRowId() {
    if (lastRowId_.empty()) {
        Statement last(db_, kLastRowId, error_);
        if (last.row())
            lastRowId_ = last.text(0);
    }
    // Several rows in one millisecond: each comes one millisecond after the one before.
    auto when = std::chrono::system_clock::now();
    std::string id = timeId(when);
    while (id <= lastRowId_) {
        when += std::chrono::milliseconds(1);
        id = timeId(when);
    }
    lastRowId_ = id;
    return id;
}

bool AlbumDatabase::addSong(const std::string& albumId, const AlbumEntry& entry) {
    const std::string rowId = nextRowId();
    std::string songId = songIdOf(entry.localPath);
    if (songId.empty())
        songId = rowId;
    Statement insert(db_, kInsertSong, error_);
    return insert.ok() && insert.bind(rowId)
                              .bind(albumId)
                              .bind(songId)
                              .bind(entry.songName)
                              .bind(entry.playTime)
                              .bind(entry.artist)
                              .bind(entry.albumTitle)
                              .bind(entry.bitrate)
                              .bind(rowId.substr(0, 8))
                              .bind(entry.localPath)
                              .done();
}

std::vector<std::string> AlbumDatabase::localPaths(const std::string& albumId) {
    std::vector<std::string> out;
    Statement query(db_, kPathsOfAlbum, error_);
    if (!query.ok())
        return out;
    query.bind(albumId);
    while (query.row())
        out.push_back(query.text(0));
    return out;
}

} // namespace kesto
