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
    // Renames file (and its -wal journal) to "<file>.damaged-<time>"; the shared-memory index
    // is removed. The new name, or empty when the file could not be moved (then it stays).
    static std::filesystem::path keepAside(const std::filesystem::path& file);
};

} // namespace kesto
