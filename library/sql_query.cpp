#include "library/sql_query.h"

#include "library/result_column_names.h"
#include "library/sql_error.h"

#include <sqlite3.h>

#include <utility>

namespace kesto {

SqlQuery::SqlQuery(sqlite3_stmt* vm, int stepResult, std::string sql, bool ownsVm)
    : vm_(vm), eof_(stepResult == SQLITE_DONE), columnCount_(vm != nullptr ? sqlite3_column_count(vm) : 0),
      sql_(std::move(sql)), ownsVm_(ownsVm) {}

SqlQuery::SqlQuery(SqlQuery&& other) noexcept
    : vm_(std::exchange(other.vm_, nullptr)), eof_(other.eof_), columnCount_(other.columnCount_),
      sql_(std::move(other.sql_)), columnNames_(std::move(other.columnNames_)),
      ownsVm_(std::exchange(other.ownsVm_, false)) {}

SqlQuery& SqlQuery::operator=(SqlQuery&& other) noexcept {
    if (this != &other) {
        try {
            finalize();
        } catch (const SqlError&) {
        }
        vm_ = std::exchange(other.vm_, nullptr);
        eof_ = other.eof_;
        columnCount_ = other.columnCount_;
        sql_ = std::move(other.sql_);
        columnNames_ = std::move(other.columnNames_);
        ownsVm_ = std::exchange(other.ownsVm_, false);
    }
    return *this;
}

SqlQuery::~SqlQuery() {
    try {
        finalize();
    } catch (const SqlError&) {
    }
}

void SqlQuery::requireVm() const {
    if (!vm_)
        throw SqlError(SqlError::kWrapperError, "Null Virtual Machine pointer");
}

void SqlQuery::requireIndex(int index) const {
    if (index < 0 || index >= columnCount_)
        throw SqlError(SqlError::kWrapperError, "Invalid field index requested");
}

int SqlQuery::fieldCount() const {
    requireVm();
    return columnCount_;
}

const char* SqlQuery::fieldValue(int index) const {
    requireVm();
    requireIndex(index);
    if (eof_)
        return nullptr;
    return reinterpret_cast<const char*>(sqlite3_column_text(vm_, index));
}

const char* SqlQuery::fieldName(int index) const {
    requireVm();
    requireIndex(index);
    // Most queries are read by position only: the from clause is parsed for names on demand.
    if (columnNames_.empty())
        columnNames_ = ResultColumnNames::of(vm_, sql_.c_str());
    return columnNames_[static_cast<std::size_t>(index)].c_str();
}

bool SqlQuery::atEnd() const {
    requireVm();
    return eof_;
}

int SqlQuery::nextRow() {
    requireVm();
    const int result = sqlite3_step(vm_);
    if (result == SQLITE_DONE)
        eof_ = true;
    else if (result != SQLITE_ROW)
        failAfterStep(result);
    return result;
}

void SqlQuery::failAfterStep(int stepResult) {
    sqlite3* db = sqlite3_db_handle(vm_);
    const int result = sqlite3_finalize(vm_);
    vm_ = nullptr;
    const int code = result != SQLITE_OK ? result : stepResult;
    throw SqlError(code, sqlite3_errmsg(db));
}

void SqlQuery::finalize() {
    if (!vm_ || !ownsVm_)
        return;
    sqlite3* db = sqlite3_db_handle(vm_);
    const int result = sqlite3_finalize(vm_);
    vm_ = nullptr;
    if (result != SQLITE_OK)
        throw SqlError(result, sqlite3_errmsg(db));
}

} // namespace kesto
