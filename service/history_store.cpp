#include "service/history_store.h"

#include "service/sqlite_connection.h"
#include "service/sqlite_statement.h"

namespace kesto::service {

bool HistoryStore::createSchema() {
    return db_.exec("CREATE TABLE IF NOT EXISTS Purchase (Purchase_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                    "User_ID TEXT, Kind INTEGER, Item_ID TEXT, Bought TEXT, Expires TEXT, Price INTEGER);"
                    "CREATE TABLE IF NOT EXISTS Listen (User_ID TEXT, Song_ID TEXT, Listen_Count INTEGER, "
                    "Last_Play_Time TEXT, PRIMARY KEY (User_ID, Song_ID));");
}

std::vector<PurchaseRow> HistoryStore::purchases(const std::string& user, PurchaseKind kind) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(),
                          "SELECT Purchase_ID, Kind, Item_ID, Bought, Expires, Price FROM Purchase "
                          "WHERE User_ID=? AND Kind=? ORDER BY Purchase_ID DESC");
    query.bind(1, user).bind(2, static_cast<std::int64_t>(kind));
    std::vector<PurchaseRow> out;
    while (query.step())
        out.push_back({query.integer(0), static_cast<PurchaseKind>(query.integer(1)), query.text(2),
                       query.text(3), query.text(4), query.integer(5)});
    return out;
}

bool HistoryStore::addPurchase(const std::string& user, const PurchaseRow& row) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement insert(db_.handle(),
                           "INSERT INTO Purchase (User_ID, Kind, Item_ID, Bought, Expires, Price) "
                           "VALUES (?,?,?,?,?,?)");
    insert.bind(1, user).bind(2, static_cast<std::int64_t>(row.kind)).bind(3, row.itemId).bind(4, row.bought);
    return insert.bind(5, row.expires).bind(6, row.price).run();
}

void HistoryStore::recordListen(const std::string& user, const std::string& songId, const std::string& now) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement upsert(
        db_.handle(), "INSERT INTO Listen VALUES (?,?,1,?) ON CONFLICT (User_ID, Song_ID) "
                      "DO UPDATE SET Listen_Count=Listen_Count+1, Last_Play_Time=excluded.Last_Play_Time");
    upsert.bind(1, user).bind(2, songId).bind(3, now).run();
}

std::vector<ListenRow> HistoryStore::listens(const std::string& user, bool byCount) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(
        db_.handle(), byCount ? "SELECT Song_ID, Listen_Count, Last_Play_Time FROM Listen WHERE User_ID=? "
                                "ORDER BY Listen_Count DESC, Last_Play_Time DESC, rowid"
                              : "SELECT Song_ID, Listen_Count, Last_Play_Time FROM Listen WHERE User_ID=? "
                                "ORDER BY Last_Play_Time DESC, rowid DESC");
    query.bind(1, user);
    std::vector<ListenRow> out;
    while (query.step())
        out.push_back({query.text(0), query.integer(1), query.text(2)});
    return out;
}

} // namespace kesto::service
