#include "service/my_album_store.h"

#include "service/service_database.h"
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

namespace kesto::service {

bool MyAlbumStore::createSchema() {
    return db_.exec(
        "CREATE TABLE IF NOT EXISTS My_Album (My_Album_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
        "User_ID TEXT, Album_Name TEXT);"
        "CREATE TABLE IF NOT EXISTS My_Album_Song (My_Album_ID INTEGER, Song_ID TEXT, Source_ID TEXT, "
        "Added_Date TEXT, UNIQUE (My_Album_ID, Song_ID));");
}

std::vector<MyAlbum> MyAlbumStore::albums(const std::string& user) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(),
                            "SELECT a.My_Album_ID, a.Album_Name, COUNT(s.Song_ID) FROM My_Album a "
                            "LEFT JOIN My_Album_Song s ON s.My_Album_ID = a.My_Album_ID "
                            "WHERE a.User_ID=? GROUP BY a.My_Album_ID ORDER BY a.My_Album_ID");
    SQLite::bind(query, user);
    std::vector<MyAlbum> out;
    while (query.executeStep())
        out.push_back(
            {query.getColumn(0).getInt64(), query.getColumn(1).getString(), query.getColumn(2).getInt64()});
    return out;
}

std::int64_t MyAlbumStore::create(const std::string& user, const std::string& name) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement insert(db_.file(), "INSERT INTO My_Album (User_ID, Album_Name) VALUES (?,?)");
    SQLite::bind(insert, user, name);
    insert.exec();
    return db_.lastInsertId();
}

bool MyAlbumStore::owns(const std::string& user, std::int64_t albumId) {
    SQLite::Statement query(db_.file(), "SELECT 1 FROM My_Album WHERE User_ID=? AND My_Album_ID=?");
    SQLite::bind(query, user, albumId);
    return query.executeStep();
}

bool MyAlbumStore::erase(const std::string& user, std::int64_t albumId) {
    std::lock_guard lock(db_.mutex());
    if (!owns(user, albumId))
        return false;
    SQLite::Statement songs(db_.file(), "DELETE FROM My_Album_Song WHERE My_Album_ID=?");
    SQLite::Statement album(db_.file(), "DELETE FROM My_Album WHERE My_Album_ID=?");
    SQLite::bind(songs, albumId);
    songs.exec();
    SQLite::bind(album, albumId);
    album.exec();
    return true;
}

std::vector<MyAlbumSong> MyAlbumStore::songs(const std::string& user, std::int64_t albumId) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(),
                            "SELECT s.My_Album_ID, s.Song_ID, s.Source_ID, s.Added_Date "
                            "FROM My_Album_Song s JOIN My_Album a ON a.My_Album_ID = s.My_Album_ID "
                            "WHERE a.User_ID=? AND (?=0 OR s.My_Album_ID=?) ORDER BY s.rowid");
    SQLite::bind(query, user, albumId, albumId);
    std::vector<MyAlbumSong> out;
    while (query.executeStep())
        out.push_back({query.getColumn(0).getInt64(), query.getColumn(1).getString(),
                       query.getColumn(2).getString(), query.getColumn(3).getString()});
    return out;
}

int MyAlbumStore::add(const std::string& user, std::int64_t albumId, const std::vector<std::string>& songIds,
                      const std::string& sourceId, const std::string& now) {
    std::lock_guard lock(db_.mutex());
    if (!owns(user, albumId))
        return 0;
    SQLite::Statement insert(db_.file(), "INSERT OR IGNORE INTO My_Album_Song VALUES (?,?,?,?)");
    int added = 0;
    for (const std::string& id : songIds) {
        SQLite::bind(insert, albumId, id, sourceId, now);
        added += insert.exec();
        insert.reset();
    }
    return added;
}

int MyAlbumStore::remove(const std::string& user, std::int64_t albumId,
                         const std::vector<std::string>& songIds) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement erase(db_.file(),
                            "DELETE FROM My_Album_Song WHERE Song_ID=? AND My_Album_ID IN "
                            "(SELECT My_Album_ID FROM My_Album WHERE User_ID=? AND (?=0 OR My_Album_ID=?))");
    int removed = 0;
    for (const std::string& id : songIds) {
        SQLite::bind(erase, id, user, albumId, albumId);
        removed += erase.exec();
        erase.reset();
    }
    return removed;
}

} // namespace kesto::service
