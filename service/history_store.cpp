#include "service/history_store.h"

#include "service/service_database.h"
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

namespace kesto::service {

bool HistoryStore::createSchema() {
    return db_.exec("CREATE TABLE IF NOT EXISTS Purchase (Purchase_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                    "User_ID TEXT, Kind INTEGER, Item_ID TEXT, Bought TEXT, Expires TEXT, Price INTEGER);"
                    "CREATE TABLE IF NOT EXISTS Listen (User_ID TEXT, Song_ID TEXT, Listen_Count INTEGER, "
                    "Last_Play_Time TEXT, PRIMARY KEY (User_ID, Song_ID));");
}

std::vector<PurchaseRow> HistoryStore::purchases(const std::string& user, PurchaseKind kind) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(),
                            "SELECT Purchase_ID, Kind, Item_ID, Bought, Expires, Price FROM Purchase "
                            "WHERE User_ID=? AND Kind=? ORDER BY Purchase_ID DESC");
    SQLite::bind(query, user, static_cast<std::int64_t>(kind));
    std::vector<PurchaseRow> out;
    while (query.executeStep())
        out.push_back({query.getColumn(0).getInt64(),
                       static_cast<PurchaseKind>(query.getColumn(1).getInt64()),
                       query.getColumn(2).getString(), query.getColumn(3).getString(),
                       query.getColumn(4).getString(), query.getColumn(5).getInt64()});
    return out;
}

bool HistoryStore::addPurchase(const std::string& user, const PurchaseRow& row) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement insert(db_.file(),
                             "INSERT INTO Purchase (User_ID, Kind, Item_ID, Bought, Expires, Price) "
                             "VALUES (?,?,?,?,?,?)");
    SQLite::bind(insert, user, static_cast<std::int64_t>(row.kind), row.itemId, row.bought, row.expires,
                 row.price);
    return insert.exec() > 0;
}

bool HistoryStore::owns(const std::string& user, const std::string& songId, const std::string& albumId,
                        const std::string& now) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(
        db_.file(), "SELECT 1 FROM Purchase WHERE User_ID=? AND ((Kind IN (?,?) AND Item_ID=?) OR "
                    "(Kind=? AND Item_ID=?)) AND (Expires IS NULL OR Expires='' OR Expires>?) LIMIT 1");
    SQLite::bind(query, user, static_cast<std::int64_t>(PurchaseKind::Streaming),
                 static_cast<std::int64_t>(PurchaseKind::Download), songId,
                 static_cast<std::int64_t>(PurchaseKind::Album), albumId, now);
    return query.executeStep();
}

void HistoryStore::recordListen(const std::string& user, const std::string& songId, const std::string& now) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement upsert(
        db_.file(), "INSERT INTO Listen VALUES (?,?,1,?) ON CONFLICT (User_ID, Song_ID) "
                    "DO UPDATE SET Listen_Count=Listen_Count+1, Last_Play_Time=excluded.Last_Play_Time");
    SQLite::bind(upsert, user, songId, now);
    upsert.exec();
}

std::vector<ListenRow> HistoryStore::listens(const std::string& user, bool byCount) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(
        db_.file(), byCount ? "SELECT Song_ID, Listen_Count, Last_Play_Time FROM Listen WHERE User_ID=? "
                              "ORDER BY Listen_Count DESC, Last_Play_Time DESC, rowid"
                            : "SELECT Song_ID, Listen_Count, Last_Play_Time FROM Listen WHERE User_ID=? "
                              "ORDER BY Last_Play_Time DESC, rowid DESC");
    SQLite::bind(query, user);
    std::vector<ListenRow> out;
    while (query.executeStep())
        out.push_back(
            {query.getColumn(0).getString(), query.getColumn(1).getInt64(), query.getColumn(2).getString()});
    return out;
}

} // namespace kesto::service
