#pragma once
// A prepared statement with positional binding (from 1) and column reads (from 0).

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kesto::service {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    SqliteStatement& bind(int index, std::string_view text);
    SqliteStatement& bind(int index, std::int64_t value);
    // True while a row is available.
    bool step();
    // Steps to completion; true when the statement ran without error.
    bool run();
    void reset();

    std::string text(int column) const;
    std::int64_t integer(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
};

} // namespace kesto::service
