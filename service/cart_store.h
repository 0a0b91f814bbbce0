#pragma once
// The user's cart: songs and albums on one page, music videos on another.

#include "service/user_rows.h"

#include <string>
#include <vector>

namespace kesto::service {

class ServiceDatabase;

class CartStore {
public:
    explicit CartStore(ServiceDatabase& db) : db_(db) {}
    bool createSchema();

    std::vector<CartItem> items(const std::string& user, bool musicVideos);
    // The new item's id, or 0 on failure; an item already in the cart keeps its id.
    std::int64_t add(const std::string& user, CartKind kind, const std::string& itemId,
                     const std::string& menuId);
    int remove(const std::string& user, const std::vector<std::string>& cartItemIds);

private:
    ServiceDatabase& db_;
};

} // namespace kesto::service
