#include "service/gift_store.h"

#include "service/sqlite_connection.h"
#include "service/sqlite_statement.h"

namespace kesto::service {
namespace {

GiftRow readGift(const SqliteStatement& row) {
    return {row.integer(0), row.text(1), row.text(2), row.text(3),
            row.text(4),    row.text(5), row.text(6), row.text(7)};
}

} // namespace

bool GiftStore::createSchema() {
    return db_.exec(
        "CREATE TABLE IF NOT EXISTS Gift (Gift_ID INTEGER PRIMARY KEY AUTOINCREMENT, Sender TEXT, "
        "Receiver TEXT, Song_ID TEXT, Message TEXT, Sent TEXT, Received TEXT, Status TEXT);");
}

std::vector<GiftRow> GiftStore::gifts(const std::string& user, bool sent) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(), sent ? "SELECT * FROM Gift WHERE Sender=? ORDER BY Gift_ID DESC"
                                             : "SELECT * FROM Gift WHERE Receiver=? ORDER BY Gift_ID DESC");
    query.bind(1, user);
    std::vector<GiftRow> out;
    while (query.step())
        out.push_back(readGift(query));
    return out;
}

std::optional<GiftRow> GiftStore::gift(std::int64_t giftId) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(), "SELECT * FROM Gift WHERE Gift_ID=?");
    query.bind(1, giftId);
    if (!query.step())
        return std::nullopt;
    return readGift(query);
}

int GiftStore::send(const GiftRow& g, const std::vector<std::string>& songIds) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement insert(db_.handle(),
                           "INSERT INTO Gift (Sender, Receiver, Song_ID, Message, Sent, Received, "
                           "Status) VALUES (?,?,?,?,?,?,?)");
    int sent = 0;
    for (const std::string& id : songIds) {
        insert.bind(1, g.sender).bind(2, g.receiver).bind(3, id).bind(4, g.message);
        if (insert.bind(5, g.sent).bind(6, g.received).bind(7, g.status).run())
            ++sent;
        insert.reset();
    }
    return sent;
}

} // namespace kesto::service
