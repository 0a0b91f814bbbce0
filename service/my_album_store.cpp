#include "service/my_album_store.h"

#include "service/sqlite_connection.h"
#include "service/sqlite_statement.h"

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
    SqliteStatement query(db_.handle(),
                          "SELECT a.My_Album_ID, a.Album_Name, COUNT(s.Song_ID) FROM My_Album a "
                          "LEFT JOIN My_Album_Song s ON s.My_Album_ID = a.My_Album_ID "
                          "WHERE a.User_ID=? GROUP BY a.My_Album_ID ORDER BY a.My_Album_ID");
    query.bind(1, user);
    std::vector<MyAlbum> out;
    while (query.step())
        out.push_back({query.integer(0), query.text(1), query.integer(2)});
    return out;
}

std::int64_t MyAlbumStore::create(const std::string& user, const std::string& name) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement insert(db_.handle(), "INSERT INTO My_Album (User_ID, Album_Name) VALUES (?,?)");
    return insert.bind(1, user).bind(2, name).run() ? db_.lastInsertId() : 0;
}

bool MyAlbumStore::owns(const std::string& user, std::int64_t albumId) {
    SqliteStatement query(db_.handle(), "SELECT 1 FROM My_Album WHERE User_ID=? AND My_Album_ID=?");
    return query.bind(1, user).bind(2, albumId).step();
}

bool MyAlbumStore::erase(const std::string& user, std::int64_t albumId) {
    std::lock_guard lock(db_.mutex());
    if (!owns(user, albumId))
        return false;
    SqliteStatement songs(db_.handle(), "DELETE FROM My_Album_Song WHERE My_Album_ID=?");
    SqliteStatement album(db_.handle(), "DELETE FROM My_Album WHERE My_Album_ID=?");
    return songs.bind(1, albumId).run() && album.bind(1, albumId).run();
}

std::vector<MyAlbumSong> MyAlbumStore::songs(const std::string& user, std::int64_t albumId) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(),
                          "SELECT s.My_Album_ID, s.Song_ID, s.Source_ID, s.Added_Date "
                          "FROM My_Album_Song s JOIN My_Album a ON a.My_Album_ID = s.My_Album_ID "
                          "WHERE a.User_ID=? AND (?=0 OR s.My_Album_ID=?) ORDER BY s.rowid");
    query.bind(1, user).bind(2, albumId).bind(3, albumId);
    std::vector<MyAlbumSong> out;
    while (query.step())
        out.push_back({query.integer(0), query.text(1), query.text(2), query.text(3)});
    return out;
}

int MyAlbumStore::add(const std::string& user, std::int64_t albumId, const std::vector<std::string>& songIds,
                      const std::string& sourceId, const std::string& now) {
    std::lock_guard lock(db_.mutex());
    if (!owns(user, albumId))
        return 0;
    SqliteStatement insert(db_.handle(), "INSERT OR IGNORE INTO My_Album_Song VALUES (?,?,?,?)");
    int added = 0;
    for (const std::string& id : songIds) {
        if (insert.bind(1, albumId).bind(2, id).bind(3, sourceId).bind(4, now).run())
            added += db_.changes();
        insert.reset();
    }
    return added;
}

int MyAlbumStore::remove(const std::string& user, std::int64_t albumId,
                         const std::vector<std::string>& songIds) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement erase(db_.handle(),
                          "DELETE FROM My_Album_Song WHERE Song_ID=? AND My_Album_ID IN "
                          "(SELECT My_Album_ID FROM My_Album WHERE User_ID=? AND (?=0 OR My_Album_ID=?))");
    int removed = 0;
    for (const std::string& id : songIds) {
        if (erase.bind(1, id).bind(2, user).bind(3, albumId).bind(4, albumId).run())
            removed += db_.changes();
        erase.reset();
    }
    return removed;
}

} // namespace kesto::service
