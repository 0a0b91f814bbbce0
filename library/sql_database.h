#pragma once
// One connection to an SQLite file. Every failure is thrown as SqlError; nothing
// here knows the album schema.

#include "library/sql_query.h"
#include "library/sql_statement_cache.h"

#include <initializer_list>
#include <optional>
#include <string>

struct sqlite3;

namespace kesto {

class SqlDatabase {
public:
    static constexpr int kDefaultBusyTimeoutMs = 60000;

    SqlDatabase() = default;
    SqlDatabase(const SqlDatabase&) = delete;
    SqlDatabase& operator=(const SqlDatabase&) = delete;
    ~SqlDatabase(); // closes; never throws

    void open(const char* fileName);
    void close();
    bool isOpen() const { return connection_ != nullptr; }
    void setBusyTimeout(int milliseconds);

    // Runs every statement of sql; returns the rows changed by the last one.
    int exec(const char* sql);
    // Compiles the first statement of sql and steps once.
    SqlQuery query(const char* sql);

    // The same statements given as a format and its values (SqlStatementCache): what
    // SqlText::format(format, values...) would run, compiled once per format for this
    // connection. Each runs to its end before it returns, failing as the text would.
    using Values = std::initializer_list<SqlValue>;
    // Runs one statement; returns the rows it changed.
    int exec(const char* format, Values values);
    // True when the query gives a row.
    bool hasRow(const char* format, Values values);
    // The first column of the first row ("" for an SQL NULL); none without a row or a column.
    std::optional<std::string> firstField(const char* format, Values values);

private:
    void requireOpen() const;
    // Steps a bound statement once; throws its error after resetting it.
    int step(sqlite3_stmt* statement);

    sqlite3* connection_ = nullptr;
    int busyTimeoutMs_ = kDefaultBusyTimeoutMs;
    SqlStatementCache statements_;
};

} // namespace kesto
