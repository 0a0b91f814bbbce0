#include "service/account_store.h"

#include "service/password_hash.h"
#include "service/service_database.h"
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

namespace kesto::service {

bool AccountStore::createSchema() {
    return db_.exec(
        "CREATE TABLE IF NOT EXISTS Account (User_ID TEXT PRIMARY KEY, Password TEXT, Cash INTEGER);"
        "CREATE TABLE IF NOT EXISTS Login_Key (U_Key TEXT PRIMARY KEY, User_ID TEXT, "
        "Issued INTEGER, Current INTEGER);");
}

bool AccountStore::createAccount(const std::string& user, const std::string& password, std::int64_t cash) {
    // Hashed before the lock: it takes a while on purpose.
    const auto hash = PasswordHash::make(password);
    if (!hash)
        return false;
    std::lock_guard lock(db_.mutex());
    SQLite::Statement insert(db_.file(), "INSERT OR IGNORE INTO Account VALUES (?,?,?)");
    SQLite::bind(insert, user, *hash, cash);
    insert.exec();
    return true;
}

AccountStore::PasswordCheck AccountStore::checkPassword(const std::string& user,
                                                        const std::string& password) {
    const auto kept = keptPassword(user);
    if (!kept)
        return PasswordCheck::NoAccount;
    if (!PasswordHash::matches(password, *kept))
        return PasswordCheck::Differs;
    if (!PasswordHash::isHash(*kept))
        if (const auto hash = PasswordHash::make(password))
            keepPassword(user, *hash);
    return PasswordCheck::Matches;
}

void AccountStore::keepPassword(const std::string& user, const std::string& hash) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement update(db_.file(), "UPDATE Account SET Password=? WHERE User_ID=?");
    SQLite::bind(update, hash, user);
    update.exec();
}

std::optional<std::string> AccountStore::keptPassword(const std::string& user) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(), "SELECT Password FROM Account WHERE User_ID=?");
    SQLite::bind(query, user);
    if (!query.executeStep())
        return std::nullopt;
    return query.getColumn(0).getString();
}

bool AccountStore::storeKey(const std::string& user, const std::string& key, std::int64_t now) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement retire(db_.file(), "UPDATE Login_Key SET Current=0 WHERE User_ID=?");
    SQLite::Statement insert(db_.file(), "INSERT OR REPLACE INTO Login_Key VALUES (?,?,?,1)");
    SQLite::bind(retire, user);
    retire.exec();
    SQLite::bind(insert, key, user, now);
    insert.exec();
    return true;
}

ServiceCode AccountStore::checkKey(const std::string& user, const std::string& key, std::int64_t now,
                                   std::int64_t lifetime) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(), "SELECT Issued, Current FROM Login_Key WHERE U_Key=? AND User_ID=?");
    SQLite::bind(query, key, user);
    if (!query.executeStep())
        return ServiceCode::ExpiredKey;
    if (query.getColumn(1).getInt64() == 0)
        return ServiceCode::DoubleLogin;
    return now - query.getColumn(0).getInt64() > lifetime ? ServiceCode::ExpiredKey : ServiceCode::Ok;
}

std::int64_t AccountStore::cash(const std::string& user) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(), "SELECT Cash FROM Account WHERE User_ID=?");
    SQLite::bind(query, user);
    return query.executeStep() ? query.getColumn(0).getInt64() : 0;
}

bool AccountStore::charge(const std::string& user, std::int64_t amount) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement update(db_.file(), "UPDATE Account SET Cash=Cash-? WHERE User_ID=? AND Cash>=?");
    SQLite::bind(update, amount, user, amount);
    return update.exec() > 0;
}

} // namespace kesto::service
