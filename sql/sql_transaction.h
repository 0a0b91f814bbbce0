#pragma once
// A batch of statements in one transaction, so that a large import costs one commit. Rolled
// back when destroyed uncommitted. Never throws: without a transaction (no connection, or the
// write lock not had within the busy timeout) each statement simply commits on its own.

#include <SQLiteCpp/Transaction.h>

#include <optional>

namespace SQLite {
class Database;
}

namespace kesto {

class SqlTransaction {
public:
    // db may be null.
    explicit SqlTransaction(SQLite::Database* db);

    bool active() const { return transaction_.has_value(); }
    // False when there was no transaction or the commit failed (the statements are then
    // rolled back).
    bool commit();

private:
    std::optional<SQLite::Transaction> transaction_;
};

} // namespace kesto
