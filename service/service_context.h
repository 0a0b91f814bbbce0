#pragma once
// Everything the command handlers and pages share: the configuration, the catalogue and the
// per-user stores over one SQLite file.

#include "service/account_store.h"
#include "service/cart_store.h"
#include "service/catalogue_store.h"
#include "service/gift_store.h"
#include "service/history_store.h"
#include "service/my_album_store.h"
#include "service/service_config.h"
#include "service/service_database.h"
#include "service/stream_tickets.h"

#include <cstdint>
#include <string>

namespace kesto::service {

class ServiceContext {
public:
    static constexpr const char* kDatabaseFile = "kesto_service.db";

    explicit ServiceContext(ServiceConfig config);
    // Opens the file, creates the tables, loads (or first makes) the catalogue.
    bool open();

    const ServiceConfig& config() const { return config_; }
    std::int64_t now() const;
    // Local time as YYYYMMDDhhmmss, `offset` seconds from now.
    std::string stamp(std::int64_t offset = 0) const;

    CatalogueStore& catalogue() { return catalogue_; }
    AccountStore& accounts() { return accounts_; }
    CartStore& carts() { return carts_; }
    MyAlbumStore& myAlbums() { return myAlbums_; }
    GiftStore& gifts() { return gifts_; }
    HistoryStore& history() { return history_; }
    StreamTickets& streamTickets() { return streamTickets_; }

private:
    ServiceConfig config_;
    ServiceDatabase db_;
    CatalogueStore catalogue_;
    AccountStore accounts_;
    CartStore carts_;
    MyAlbumStore myAlbums_;
    GiftStore gifts_;
    HistoryStore history_;
    StreamTickets streamTickets_;
};

} // namespace kesto::service
