#include "service/cart_store.h"

#include "service/service_database.h"
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/VariadicBind.h>

namespace kesto::service {

bool CartStore::createSchema() {
    return db_.exec("CREATE TABLE IF NOT EXISTS Cart (Cart_Item_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                    "User_ID TEXT, Item_Type INTEGER, Item_ID TEXT, Menu_ID TEXT);");
}

std::vector<CartItem> CartStore::items(const std::string& user, bool musicVideos) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement query(db_.file(),
                            musicVideos ? "SELECT * FROM Cart WHERE User_ID=? AND Item_Type=3 ORDER BY 1"
                                        : "SELECT * FROM Cart WHERE User_ID=? AND Item_Type<>3 ORDER BY 1");
    SQLite::bind(query, user);
    std::vector<CartItem> out;
    while (query.executeStep())
        out.push_back({query.getColumn(0).getInt64(), static_cast<CartKind>(query.getColumn(2).getInt64()),
                       query.getColumn(3).getString(), query.getColumn(4).getString()});
    return out;
}

std::int64_t CartStore::add(const std::string& user, CartKind kind, const std::string& itemId,
                            const std::string& menuId) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement existing(db_.file(),
                               "SELECT Cart_Item_ID FROM Cart WHERE User_ID=? AND Item_Type=? AND Item_ID=?");
    SQLite::bind(existing, user, static_cast<std::int64_t>(kind), itemId);
    if (existing.executeStep())
        return existing.getColumn(0).getInt64();
    SQLite::Statement insert(db_.file(),
                             "INSERT INTO Cart (User_ID, Item_Type, Item_ID, Menu_ID) VALUES (?,?,?,?)");
    SQLite::bind(insert, user, static_cast<std::int64_t>(kind), itemId, menuId);
    insert.exec();
    return db_.lastInsertId();
}

int CartStore::remove(const std::string& user, const std::vector<std::string>& cartItemIds) {
    std::lock_guard lock(db_.mutex());
    SQLite::Statement erase(db_.file(), "DELETE FROM Cart WHERE User_ID=? AND Cart_Item_ID=?");
    int removed = 0;
    for (const std::string& id : cartItemIds) {
        SQLite::bind(erase, user, id);
        removed += erase.exec();
        erase.reset();
    }
    return removed;
}

} // namespace kesto::service
