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
constexpr const char* kJournalSuffixes[] = {"-journal", "-wal", "-shm"};

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

bool DamagedDatabase::isDamaged(const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error))
        return false;
    try {
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
        sqlite3* handle = db.getHandle();
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        // A checkpoint on close would write the journal's pages into the file.
        sqlite3_db_config(handle, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        db.exec("PRAGMA trusted_schema=OFF;");
        return isDamaged(db);
    } catch (const SQLite::Exception& failure) {
        const int code = failure.getErrorCode() & 0xff;
        return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
    }
}

bool DamagedDatabase::asideIsFree(const fs::path& aside) {
    std::error_code error;
    if (fs::exists(aside, error))
        return false;
    for (const char* suffix : kJournalSuffixes)
        if (fs::exists(withSuffix(aside, suffix), error))
            return false;
    return true;
}

fs::path DamagedDatabase::keepAside(const fs::path& file) {
    const std::string stamp = kDamagedSuffix + timeStamp();
    fs::path aside = withSuffix(file, stamp);
    for (int n = 1; !asideIsFree(aside); ++n)
        aside = withSuffix(file, stamp + "-" + std::to_string(n));
    // The journals belong to the damaged file: replayed into a fresh one they would damage that
    // too. They go first, so that a crash between the moves leaves none beside a fresh file.
    std::error_code error;
    for (const char* suffix : kJournalSuffixes) {
        const fs::path journal = withSuffix(file, suffix);
        if (fs::exists(journal, error))
            fs::rename(journal, withSuffix(aside, suffix), error);
        if (error) {
            FailureLog::write(LogCategory::Library,
                              "journal " + journal.string() + " not kept aside: " + error.message());
            return {};
        }
    }
    fs::rename(file, aside, error);
    if (error) {
        FailureLog::write(LogCategory::Library,
                          "damaged album database " + file.string() + " not kept aside: " + error.message());
        return {};
    }
    return aside;
}

} // namespace kesto
