#include "service/cart_store.h"

#include "service/sqlite_connection.h"
#include "service/sqlite_statement.h"

namespace kesto::service {

bool CartStore::createSchema() {
    return db_.exec("CREATE TABLE IF NOT EXISTS Cart (Cart_Item_ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                    "User_ID TEXT, Item_Type INTEGER, Item_ID TEXT, Menu_ID TEXT);");
}

std::vector<CartItem> CartStore::items(const std::string& user, bool musicVideos) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement query(db_.handle(),
                          musicVideos ? "SELECT * FROM Cart WHERE User_ID=? AND Item_Type=3 ORDER BY 1"
                                      : "SELECT * FROM Cart WHERE User_ID=? AND Item_Type<>3 ORDER BY 1");
    query.bind(1, user);
    std::vector<CartItem> out;
    while (query.step())
        out.push_back(
            {query.integer(0), static_cast<CartKind>(query.integer(2)), query.text(3), query.text(4)});
    return out;
}

std::int64_t CartStore::add(const std::string& user, CartKind kind, const std::string& itemId,
                            const std::string& menuId) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement existing(db_.handle(),
                             "SELECT Cart_Item_ID FROM Cart WHERE User_ID=? AND Item_Type=? AND Item_ID=?");
    existing.bind(1, user).bind(2, static_cast<std::int64_t>(kind)).bind(3, itemId);
    if (existing.step())
        return existing.integer(0);
    SqliteStatement insert(db_.handle(),
                           "INSERT INTO Cart (User_ID, Item_Type, Item_ID, Menu_ID) VALUES (?,?,?,?)");
    insert.bind(1, user).bind(2, static_cast<std::int64_t>(kind)).bind(3, itemId).bind(4, menuId);
    return insert.run() ? db_.lastInsertId() : 0;
}

int CartStore::remove(const std::string& user, const std::vector<std::string>& cartItemIds) {
    std::lock_guard lock(db_.mutex());
    SqliteStatement erase(db_.handle(), "DELETE FROM Cart WHERE User_ID=? AND Cart_Item_ID=?");
    int removed = 0;
    for (const std::string& id : cartItemIds) {
        if (erase.bind(1, user).bind(2, id).run())
            removed += db_.changes();
        erase.reset();
    }
    return removed;
}

} // namespace kesto::service
