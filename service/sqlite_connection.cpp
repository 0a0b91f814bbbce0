#include "service/sqlite_connection.h"

#include <sqlite3.h>

namespace kesto::service {

SqliteConnection::SqliteConnection(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        return;
    }
    sqlite3_busy_timeout(db_, 2000);
    exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close(db_);
}

bool SqliteConnection::exec(const std::string& sql) {
    return db_ != nullptr && sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

int SqliteConnection::changes() const {
    return db_ == nullptr ? 0 : sqlite3_changes(db_);
}

std::int64_t SqliteConnection::lastInsertId() const {
    return db_ == nullptr ? 0 : sqlite3_last_insert_rowid(db_);
}

} // namespace kesto::service
