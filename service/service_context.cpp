#include "service/service_context.h"

#include <ctime>
#include <filesystem>

namespace kesto::service {
namespace {

std::string databasePath(const std::string& dir) {
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    // The service keeps accounts and keys: its folder is its user's alone.
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ignored);
    return (std::filesystem::path(dir) / ServiceContext::kDatabaseFile).string();
}

} // namespace

ServiceContext::ServiceContext(ServiceConfig config)
    : config_(std::move(config)), db_(databasePath(config_.dataDir)), accounts_(db_), carts_(db_),
      myAlbums_(db_), gifts_(db_), history_(db_) {}

bool ServiceContext::open() {
    return db_.isOpen() && accounts_.createSchema() && carts_.createSchema() && myAlbums_.createSchema() &&
           gifts_.createSchema() && history_.createSchema() && catalogue_.open(db_);
}

std::int64_t ServiceContext::now() const {
    return config_.clock ? config_.clock() : static_cast<std::int64_t>(std::time(nullptr));
}

std::string ServiceContext::stamp(std::int64_t offset) const {
    const std::time_t when = static_cast<std::time_t>(now() + offset);
    std::tm parts{};
    localtime_r(&when, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &parts);
    return text;
}

} // namespace kesto::service
