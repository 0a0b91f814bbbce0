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
    claimPrivate(path);
    SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, busyTimeoutMs);
    harden(db);
    db.tryExec(kJournal);
    return db;
}

// SQLite would create a missing file with 0644 less the umask: made here first, it gets the
// owner's bits only, and the journals SQLite adds beside it take the same mode. A file that was
// there is used only when it is a regular file of ours, and is made the owner's alone.
void SqlFile::claimPrivate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kFileMode);
    if (fd < 0)
        throw SQLite::Exception(path + ": " + std::strerror(errno), SQLITE_CANTOPEN);
    struct stat status {};
    const bool ours = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
    const bool private_ = ours && ((status.st_mode & 07777) == kFileMode || ::fchmod(fd, kFileMode) == 0);
    ::close(fd);
    if (!ours)
        throw SQLite::Exception(path + ": not a file of this user's", SQLITE_PERM);
    if (!private_)
        throw SQLite::Exception(path + ": cannot restrict the file's mode", SQLITE_PERM);
}

void SqlFile::harden(SQLite::Database& db) {
    const int defensive = sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    if (defensive != SQLITE_OK)
        throw SQLite::Exception(db.getHandle(), defensive);
    db.exec(kUntrustedSchema);
}

} // namespace kesto
