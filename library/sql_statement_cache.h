#pragma once
// Statements compiled once per format and kept for the connection. A format is an SQL text with
// printf conversions, the same text that SqlText::format would fill in: each quoted '%s' and
// '%d' becomes a parameter bound to the value's text, each bare %d a parameter bound to the
// number. SQLite stores and compares a bound text exactly as it does the quoted literal (with
// its quotes doubled), so the statement means what the formatted text means; only the
// compiling is saved. A format with any other conversion is refused.

#include "library/sql_value.h"

#include <span>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kesto {

class SqlStatementCache {
public:
    SqlStatementCache() = default;
    SqlStatementCache(const SqlStatementCache&) = delete;
    SqlStatementCache& operator=(const SqlStatementCache&) = delete;
    ~SqlStatementCache();

    // The format with its conversions turned into parameters; throws SqlError 1000
    // for a conversion other than '%s', '%d', %d and %%.
    static std::string parameterised(const char* format);

    // The kept statement of format, reset and bound to values; compiled on first use. Throws
    // on a compile error or when the values do not match the conversions. The caller steps it
    // and resets it before anything else runs (SqlDatabase does), so no read stays open.
    sqlite3_stmt* bound(sqlite3* db, const char* format, std::span<const SqlValue> values);
    // Finalizes every kept statement (before the connection closes).
    void clear();

private:
    enum class Conversion { QuotedText, QuotedNumber, Number };
    struct Entry {
        std::string sql;
        std::vector<Conversion> conversions;
        sqlite3_stmt* statement = nullptr;
    };
    static std::string parse(const char* format, std::vector<Conversion>& conversions);
    static sqlite3_stmt* compile(sqlite3* db, const std::string& sql);
    static void bind(sqlite3_stmt* statement, const std::vector<Conversion>& conversions,
                     std::span<const SqlValue> values);

    std::unordered_map<std::string, Entry> entries_; // by the exact format text
};

} // namespace kesto
