#pragma once
// Opens an SQLite file for the module or the service. The file is readable by its owner only,
// whatever the umask: one made here is made so, one of ours found looser is tightened, and one of
// another user's (or a link, or no regular file) is not opened. Connections are defensive: the schema cannot
// be written directly and functions named in it do not run, so a planted file cannot turn a read into a
// write. Write-ahead logging with normal syncs keeps a crash from damaging the file; where the journal cannot
// be switched (a damaged or read-only file) the file opens in its old mode.

#include <SQLiteCpp/Database.h>

#include <string>

namespace kesto {

class SqlFile {
public:
    static constexpr int kFileMode = 0600;

    // Throws SQLite::Exception when the file cannot be made or opened.
    static SQLite::Database open(const std::string& path, int busyTimeoutMs);

private:
    static void claimPrivate(const std::string& path);
    static void harden(SQLite::Database& db);
};

} // namespace kesto
