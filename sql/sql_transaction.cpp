#include "sql/sql_transaction.h"

#include <SQLiteCpp/Exception.h>

namespace kesto {

// "immediate" takes the write lock at once (waiting out the busy timeout), so the batch cannot
// fail half-way for want of it.
SqlTransaction::SqlTransaction(SQLite::Database* db) {
    if (db == nullptr)
        return;
    try {
        transaction_.emplace(*db, SQLite::TransactionBehavior::IMMEDIATE);
    } catch (const SQLite::Exception&) {
        transaction_.reset();
    }
}

bool SqlTransaction::commit() {
    if (!transaction_)
        return false;
    try {
        transaction_->commit();
        transaction_.reset();
        return true;
    } catch (const SQLite::Exception&) {
        transaction_.reset(); // rolls back
        return false;
    }
}

} // namespace kesto
