#include "service/account_store.h"

#include "service/sqlite_connection.h"
#include "service/sqlite_statement.h"

namespace kesto::service {

bool AccountStore::createSchema() {
    return db_.exec(
        "CREATE TABLE IF NOT EXISTS Account (User_ID TEXT PRIMARY KEY, Password TEXT, Cash INTEGER);"
        "CREATE TABLE IF NOT EXISTS Login_Key (U_Key TEXT PRIMARY KEY, User_ID TEXT, "
        "Issued INTEGER, Current INTEGER);");
}

bool AccountStore::createAccount(const std::string& user, const std::string& password, std::int64_t cash) {
    std::lock_guard lock(db_.mutex());
    return SqliteStatement(db_.handle(), "INSERT OR IGNORE INTO Account VALUES (?,?,?)")
        .bind(1, user)
        .bind(2, password)
        .bind(3, cash)
        .run();
}

std::optional<std::string> AccountStore::password(const std::string& user) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(), "SELECT Password FROM Account WHERE User_ID=?");
    query.bind(1, user);
    if (!query.step())
        return std::nullopt;
    return query.text(0);
}

bool AccountStore::storeKey(const std::string& user, const std::string& key, std::int64_t now) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement retire(db_.handle(), "UPDATE Login_Key SET Current=0 WHERE User_ID=?");
    SqliteStatement insert(db_.handle(), "INSERT OR REPLACE INTO Login_Key VALUES (?,?,?,1)");
    return retire.bind(1, user).run() && insert.bind(1, key).bind(2, user).bind(3, now).run();
}

ServiceCode AccountStore::checkKey(const std::string& user, const std::string& key, std::int64_t now,
                                   std::int64_t lifetime) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(), "SELECT Issued, Current FROM Login_Key WHERE U_Key=? AND User_ID=?");
    query.bind(1, key).bind(2, user);
    if (!query.step())
        return ServiceCode::ExpiredKey;
    if (query.integer(1) == 0)
        return ServiceCode::DoubleLogin;
    return now - query.integer(0) > lifetime ? ServiceCode::ExpiredKey : ServiceCode::Ok;
}

std::int64_t AccountStore::cash(const std::string& user) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(), "SELECT Cash FROM Account WHERE User_ID=?");
    query.bind(1, user);
    return query.step() ? query.integer(0) : 0;
}

bool AccountStore::charge(const std::string& user, std::int64_t amount) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement update(db_.handle(), "UPDATE Account SET Cash=Cash-? WHERE User_ID=? AND Cash>=?");
    return update.bind(1, amount).bind(2, user).bind(3, amount).run() && db_.changes() > 0;
}

} // namespace kesto::service
