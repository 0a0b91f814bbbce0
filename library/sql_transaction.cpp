#include "library/sql_transaction.h"

#include "library/sql_database.h"
#include "library/sql_error.h"

namespace kesto {

namespace {
bool run(SqlDatabase& db, const char* sql) {
    try {
        db.exec(sql);
        return true;
    } catch (const SqlError&) {
        return false;
    }
}
} // namespace

// "immediate" takes the write lock at once (waiting out the busy timeout), so the batch cannot
// fail half-way for want of it.
SqlTransaction::SqlTransaction(SqlDatabase& db) : db_(db), active_(run(db, "begin immediate")) {}

SqlTransaction::~SqlTransaction() {
    if (active_)
        run(db_, "rollback");
}

bool SqlTransaction::commit() {
    if (!active_)
        return false;
    active_ = false;
    if (run(db_, "commit"))
        return true;
    run(db_, "rollback");
    return false;
}

} // namespace kesto
