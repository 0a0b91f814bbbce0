#pragma once
// Gifts between users, one row per gifted song, seen from both sides.

#include "service/user_rows.h"

#include <optional>
#include <string>
#include <vector>

namespace kesto::service {

class ServiceDatabase;

class GiftStore {
public:
    explicit GiftStore(ServiceDatabase& db) : db_(db) {}
    bool createSchema();

    // The user's received gifts, or sent ones; newest first.
    std::vector<GiftRow> gifts(const std::string& user, bool sent);
    std::optional<GiftRow> gift(std::int64_t giftId);
    // One gift per song with the prototype's parties, message and times; the number sent.
    int send(const GiftRow& prototype, const std::vector<std::string>& songIds);

private:
    ServiceDatabase& db_;
};

} // namespace kesto::service
