#include "service/gift_store.h"

#include "service/service_database.h"
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

namespace kesto::service {
namespace {

GiftRow readGift(const SQLite::Statement& row) {
    return {row.getColumn(0).getInt64(),  row.getColumn(1).getString(), row.getColumn(2).getString(),
            row.getColumn(3).getString(), row.getColumn(4).getString(), row.getColumn(5).getString(),
            row.getColumn(6).getString(), row.getColumn(7).getString()};
}

} // namespace

bool GiftStore::createSchema() {
    return db_.exec(
        "CREATE TABLE IF NOT EXISTS Gift (Gift_ID INTEGER PRIMARY KEY AUTOINCREMENT, Sender TEXT, "
        "Receiver TEXT, Song_ID TEXT, Message TEXT, Sent TEXT, Received TEXT, Status TEXT);");
}

std::vector<GiftRow> GiftStore::gifts(const std::string& user, bool sent) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(), sent ? "SELECT * FROM Gift WHERE Sender=? ORDER BY Gift_ID DESC"
                                             : "SELECT * FROM Gift WHERE Receiver=? ORDER BY Gift_ID DESC");
    SQLite::bind(query, user);
    std::vector<GiftRow> out;
    while (query.executeStep())
        out.push_back(readGift(query));
    return out;
}

std::optional<GiftRow> GiftStore::gift(std::int64_t giftId) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(), "SELECT * FROM Gift WHERE Gift_ID=?");
    SQLite::bind(query, giftId);
    if (!query.executeStep())
        return std::nullopt;
    return readGift(query);
}

int GiftStore::send(const GiftRow& g, const std::vector<std::string>& songIds) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement insert(db_.file(),
                             "INSERT INTO Gift (Sender, Receiver, Song_ID, Message, Sent, Received, "
                             "Status) VALUES (?,?,?,?,?,?,?)");
    int sent = 0;
    for (const std::string& id : songIds) {
        SQLite::bind(insert, g.sender, g.receiver, id, g.message, g.sent, g.received, g.status);
        sent += insert.exec();
        insert.reset();
    }
    return sent;
}

} // namespace kesto::service
