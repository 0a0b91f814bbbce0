#include "library/sql_statement_cache.h"

#include "library/sql_error.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace kesto {

namespace {

[[noreturn]] void refuse(const char* why) {
    throw SqlError(SqlError::kWrapperError, why);
}

// printf stops a %s argument at its first NUL: so does the bound text.
std::string_view untilNul(std::string_view text) {
    return text.substr(0, std::min(text.size(), text.find('\0')));
}

} // namespace

SqlStatementCache::~SqlStatementCache() {
    clear();
}

std::string SqlStatementCache::parameterised(const char* format) {
    std::vector<Conversion> conversions;
    return parse(format, conversions);
}

std::string SqlStatementCache::parse(const char* format, std::vector<Conversion>& conversions) {
    const std::string_view text(format);
    std::string sql;
    sql.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("'%s'") || rest.starts_with("'%d'")) {
            conversions.push_back(rest[2] == 's' ? Conversion::QuotedText : Conversion::QuotedNumber);
            sql += '?';
            i += 3;
        } else if (rest.starts_with("%d")) {
            conversions.push_back(Conversion::Number);
            sql += '?';
            ++i;
        } else if (rest.starts_with("%%")) {
            sql += '%';
            ++i;
        } else if (rest[0] == '%') {
            refuse("Unsupported conversion in a statement format");
        } else {
            sql += rest[0];
        }
    }
    return sql;
}

sqlite3_stmt* SqlStatementCache::compile(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    const int compiled = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, &tail);
    if (compiled != SQLITE_OK)
        throw SqlError(compiled, sqlite3_errmsg(db));
    if (statement == nullptr)
        refuse("not an SQL statement");
    // One statement only: a kept statement cannot run the rest of a text.
    for (; tail != nullptr && *tail != '\0'; ++tail) {
        if (*tail != ';' && std::strchr(" \t\r\n", *tail) == nullptr) {
            sqlite3_finalize(statement);
            refuse("A statement format holds one statement");
        }
    }
    return statement;
}

void SqlStatementCache::bind(sqlite3_stmt* statement, const std::vector<Conversion>& conversions,
                             std::span<const SqlValue> values) {
    if (values.size() != conversions.size())
        refuse("Statement values do not match the format");
    for (std::size_t i = 0; i < conversions.size(); ++i) {
        const SqlValue& value = values[i];
        const int index = static_cast<int>(i) + 1;
        int result = SQLITE_OK;
        if (value.isText != (conversions[i] == Conversion::QuotedText))
            refuse("Statement values do not match the format");
        if (conversions[i] == Conversion::QuotedText) {
            const std::string_view text = untilNul(value.textValue);
            result = sqlite3_bind_text(statement, index, text.data() != nullptr ? text.data() : "",
                                       static_cast<int>(text.size()), SQLITE_TRANSIENT);
        } else if (conversions[i] == Conversion::QuotedNumber) {
            // '%d' is a text literal of the number: the column's type decides as it would.
            const std::string digits = std::to_string(value.numberValue);
            result = sqlite3_bind_text(statement, index, digits.c_str(), static_cast<int>(digits.size()),
                                       SQLITE_TRANSIENT);
        } else {
            result = sqlite3_bind_int(statement, index, value.numberValue);
        }
        if (result != SQLITE_OK)
            throw SqlError(result, sqlite3_errmsg(sqlite3_db_handle(statement)));
    }
}

sqlite3_stmt* SqlStatementCache::bound(sqlite3* db, const char* format, std::span<const SqlValue> values) {
    auto found = entries_.find(format);
    if (found == entries_.end()) {
        Entry entry;
        entry.sql = parse(format, entry.conversions);
        entry.statement = compile(db, entry.sql);
        found = entries_.emplace(format, std::move(entry)).first;
    }
    Entry& entry = found->second;
    sqlite3_reset(entry.statement);
    bind(entry.statement, entry.conversions, values);
    return entry.statement;
}

void SqlStatementCache::clear() {
    for (auto& [format, entry] : entries_)
        sqlite3_finalize(entry.statement);
    entries_.clear();
}

} // namespace kesto
