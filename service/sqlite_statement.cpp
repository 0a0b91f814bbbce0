#include "service/sqlite_statement.h"

#include <sqlite3.h>

namespace kesto::service {

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) {
    if (db == nullptr || sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view text) {
    // Text is CP949 bytes: bound as-is, never validated as UTF-8.
    if (stmt_ != nullptr)
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    if (stmt_ != nullptr)
        sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

bool SqliteStatement::step() {
    if (stmt_ == nullptr || failed_)
        return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    failed_ = rc != SQLITE_DONE;
    return false;
}

bool SqliteStatement::run() {
    if (stmt_ == nullptr)
        return false;
    while (step()) {
    }
    return !failed_;
}

void SqliteStatement::reset() {
    if (stmt_ != nullptr) {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    failed_ = false;
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(bytes), size);
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

} // namespace kesto::service
