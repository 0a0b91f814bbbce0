#include "library/damaged_database.h"

#include "platform/failure_log.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <ctime>
#include <string>
#include <system_error>

namespace kesto {
namespace {

namespace fs = std::filesystem;

constexpr const char* kQuickCheck = "PRAGMA quick_check(1)";
constexpr const char* kHealthy = "ok";
constexpr const char* kDamagedSuffix = ".damaged-";
constexpr const char* kWalSuffix = "-wal";
constexpr const char* kShmSuffix = "-shm";

fs::path withSuffix(const fs::path& file, const std::string& suffix) {
    fs::path p = file;
    p += suffix;
    return p;
}

std::string timeStamp() {
    char text[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

bool DamagedDatabase::isDamaged(SQLite::Database& db) {
    try {
        SQLite::Statement check(db, kQuickCheck);
        return !check.executeStep() || check.getColumn(0).getString() != kHealthy;
    } catch (const SQLite::Exception& error) {
        const int code = error.getErrorCode() & 0xff; // the primary code of an extended one
        return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
    }
}

fs::path DamagedDatabase::keepAside(const fs::path& file) {
    const std::string stamp = kDamagedSuffix + timeStamp();
    fs::path aside = withSuffix(file, stamp);
    std::error_code error;
    for (int n = 1; fs::exists(aside, error) || fs::exists(withSuffix(aside, kWalSuffix), error); ++n)
        aside = withSuffix(file, stamp + "-" + std::to_string(n));
    fs::rename(file, aside, error);
    if (error) {
        FailureLog::write(LogCategory::Library,
                          "damaged album database " + file.string() + " not kept aside: " + error.message());
        return {};
    }
    // The journal belongs to the damaged file: replayed into a fresh one it would damage that too.
    std::error_code ignored;
    if (fs::exists(withSuffix(file, kWalSuffix), ignored))
        fs::rename(withSuffix(file, kWalSuffix), withSuffix(aside, kWalSuffix), ignored);
    fs::remove(withSuffix(file, kShmSuffix), ignored);
    return aside;
}

} // namespace kesto
