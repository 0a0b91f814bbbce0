#pragma once
// One connection to an SQLite file. Every failure is thrown as CppSQLiteException; nothing
// here knows the album schema.

#include "library/sql_query.h"

struct sqlite3;

namespace kesto {

class SqlDatabase {
public:
    static constexpr int kDefaultBusyTimeoutMs = 60000;

    SqlDatabase() = default;
    SqlDatabase(const SqlDatabase&) = delete;
    SqlDatabase& operator=(const SqlDatabase&) = delete;
    ~SqlDatabase(); // closes; never throws

    void Open(const char* fileName);
    void Close();
    bool IsOpen() const { return connection_ != nullptr; }
    void SetBusyTimeout(int milliseconds);

    // Runs every statement of sql; returns the rows changed by the last one.
    int ExecDML(const char* sql);
    // Compiles the first statement of sql and steps once.
    SqlQuery ExecQuery(const char* sql);

private:
    void requireOpen() const;

    sqlite3* connection_ = nullptr;
    int busyTimeoutMs_ = kDefaultBusyTimeoutMs;
};

} // namespace kesto
