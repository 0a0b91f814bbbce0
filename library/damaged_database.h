#pragma once
// A database file that SQLite cannot read as one (not a database, truncated, corrupt). Such a
// file is never written over: it is renamed aside with its journal, so that a fresh file can
// take its place and the user's data can still be rescued from the copy.

#include <filesystem>

namespace SQLite {
class Database;
}

namespace kesto {

class DamagedDatabase {
public:
    // True when the open connection's file fails SQLite's quick check as not a database or
    // corrupt. A file that merely cannot be written (read-only) is not damaged.
    static bool isDamaged(SQLite::Database& db);
    // The same check on a file, read as it is: its journal mode is left alone and nothing is
    // written back on close, so a damaged file keeps every byte. False when there is no file.
    static bool isDamaged(const std::filesystem::path& file);
    // Renames file to "<file>.damaged-<time>", its journals (-journal, -wal, -shm) first, so
    // that no crash leaves an old journal beside a fresh file. The new name, or empty when the
    // file could not be moved (then it stays).
    static std::filesystem::path keepAside(const std::filesystem::path& file);

private:
    // No file of that name, nor of its journals.
    static bool asideIsFree(const std::filesystem::path& aside);
};

} // namespace kesto
