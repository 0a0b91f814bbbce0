#pragma once
// What the user bought (songs, albums, ring-tone cuts, music videos) and listened to.

#include "service/user_rows.h"

#include <string>
#include <vector>

namespace kesto::service {

class ServiceDatabase;

class HistoryStore {
public:
    explicit HistoryStore(ServiceDatabase& db) : db_(db) {}
    bool createSchema();

    std::vector<PurchaseRow> purchases(const std::string& user, PurchaseKind kind);
    bool addPurchase(const std::string& user, const PurchaseRow& row);
    // The user bought the song, alone or with its album, and the purchase has not run out by
    // now (a stamp).
    bool owns(const std::string& user, const std::string& songId, const std::string& albumId,
              const std::string& now);

    void recordListen(const std::string& user, const std::string& songId, const std::string& now);
    // Most recently played first, or most often played first.
    std::vector<ListenRow> listens(const std::string& user, bool byCount);

private:
    ServiceDatabase& db_;
};

} // namespace kesto::service
