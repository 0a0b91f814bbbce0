#include "sql/sql_file.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesto {

namespace {
constexpr const char* kJournal = "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;";
constexpr const char* kUntrustedSchema = "PRAGMA trusted_schema=OFF;";
} // namespace

SQLite::Database SqlFile::open(const std::string& path, int busyTimeoutMs) {
    createPrivate(path);
    SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, busyTimeoutMs);
    harden(db);
    db.tryExec(kJournal);
    return db;
}

// SQLite would create a missing file with 0644 less the umask: made here first, it gets the
// owner's bits only, and the journals SQLite adds beside it take the same mode.
void SqlFile::createPrivate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        if (errno == EEXIST)
            return;
        throw SQLite::Exception(path + ": " + std::strerror(errno), SQLITE_CANTOPEN);
    }
    const bool owned = ::fchmod(fd, kFileMode) == 0;
    ::close(fd);
    if (!owned)
        throw SQLite::Exception(path + ": cannot restrict the file's mode", SQLITE_PERM);
}

void SqlFile::harden(SQLite::Database& db) {
    const int defensive = sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    if (defensive != SQLITE_OK)
        throw SQLite::Exception(db.getHandle(), defensive);
    db.exec(kUntrustedSchema);
}

} // namespace kesto
