#pragma once
// A forward-only cursor over a compiled statement; fields are read as text by position.

#include <string>
#include <vector>

struct sqlite3_stmt;

namespace kesto {

class SqlQuery {
public:
    SqlQuery() = default;
    // Takes a statement compiled from sql that has just been stepped once with result
    // stepResult (ROW or DONE). Column names are worked out from sql when first asked for.
    SqlQuery(sqlite3_stmt* vm, int stepResult, std::string sql, bool ownsVm);
    SqlQuery(SqlQuery&& other) noexcept;
    SqlQuery& operator=(SqlQuery&& other) noexcept;
    SqlQuery(const SqlQuery&) = delete;
    SqlQuery& operator=(const SqlQuery&) = delete;
    ~SqlQuery(); // finalizes; never throws

    int fieldCount() const;
    // Null for an SQL NULL; valid until the next NextRow or Finalize.
    const char* fieldValue(int index) const;
    const char* fieldName(int index) const;
    bool atEnd() const;
    int nextRow();
    void finalize();

private:
    void requireVm() const;
    void requireIndex(int index) const;
    [[noreturn]] void failAfterStep(int stepResult);

    sqlite3_stmt* vm_ = nullptr;
    bool eof_ = true;
    int columnCount_ = 0;
    std::string sql_;
    mutable std::vector<std::string> columnNames_; // empty until FieldName asks
    bool ownsVm_ = false;
};

} // namespace kesto
