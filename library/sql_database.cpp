#include "library/sql_database.h"

#include "library/sql_error.h"

#include <sqlite3.h>

namespace kesto {

SqlDatabase::~SqlDatabase() {
    close();
}

void SqlDatabase::open(const char* fileName) {
    close();
    sqlite3* handle = nullptr;
    const int result = sqlite3_open(fileName, &handle);
    if (result != SQLITE_OK) {
        const SqlError error(SQLITE_CANTOPEN, handle ? sqlite3_errmsg(handle) : "out of memory");
        sqlite3_close(handle);
        throw error;
    }
    connection_ = handle;
    setBusyTimeout(busyTimeoutMs_);
}

void SqlDatabase::close() {
    statements_.clear();
    if (connection_) {
        sqlite3_close_v2(connection_);
        connection_ = nullptr;
    }
}

void SqlDatabase::setBusyTimeout(int milliseconds) {
    busyTimeoutMs_ = milliseconds;
    if (connection_)
        sqlite3_busy_timeout(connection_, busyTimeoutMs_);
}

void SqlDatabase::requireOpen() const {
    if (!connection_)
        throw SqlError(SqlError::kWrapperError, "Database not open");
}

int SqlDatabase::exec(const char* sql) {
    requireOpen();
    char* error = nullptr;
    const int result = sqlite3_exec(connection_, sql, nullptr, nullptr, &error);
    if (result != SQLITE_OK)
        throw SqlError(result, error, true);
    return sqlite3_changes(connection_);
}

SqlQuery SqlDatabase::query(const char* sql) {
    requireOpen();
    sqlite3_stmt* vm = nullptr;
    const int compiled = sqlite3_prepare_v2(connection_, sql, -1, &vm, nullptr);
    if (compiled != SQLITE_OK)
        throw SqlError(compiled, sqlite3_errmsg(connection_));
    if (!vm) // blank text or only a comment: nothing to run
        throw SqlError(SQLITE_MISUSE, "not an SQL statement");
    const int stepped = sqlite3_step(vm);
    if (stepped != SQLITE_ROW && stepped != SQLITE_DONE) {
        const int finalized = sqlite3_finalize(vm);
        throw SqlError(finalized != SQLITE_OK ? finalized : stepped, sqlite3_errmsg(connection_));
    }
    return SqlQuery(vm, stepped, sql, true);
}

int SqlDatabase::step(sqlite3_stmt* statement) {
    const int stepped = sqlite3_step(statement);
    if (stepped == SQLITE_ROW || stepped == SQLITE_DONE)
        return stepped;
    const int reset = sqlite3_reset(statement);
    throw SqlError(reset != SQLITE_OK ? reset : stepped, sqlite3_errmsg(connection_));
}

int SqlDatabase::exec(const char* format, Values values) {
    requireOpen();
    sqlite3_stmt* statement = statements_.bound(connection_, format, values);
    while (step(statement) == SQLITE_ROW) {
    }
    sqlite3_reset(statement);
    return sqlite3_changes(connection_);
}

bool SqlDatabase::hasRow(const char* format, Values values) {
    requireOpen();
    sqlite3_stmt* statement = statements_.bound(connection_, format, values);
    const bool row = step(statement) == SQLITE_ROW;
    sqlite3_reset(statement);
    return row;
}

std::optional<std::string> SqlDatabase::firstField(const char* format, Values values) {
    requireOpen();
    sqlite3_stmt* statement = statements_.bound(connection_, format, values);
    std::optional<std::string> value;
    if (step(statement) == SQLITE_ROW && sqlite3_column_count(statement) > 0) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        value = text != nullptr ? text : "";
    }
    sqlite3_reset(statement);
    return value;
}

} // namespace kesto
