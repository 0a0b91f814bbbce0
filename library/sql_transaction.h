#pragma once
// A batch of statements in one transaction, so that a large import costs one commit. Rolled
// back when destroyed uncommitted. Never throws: without a transaction each statement simply
// commits on its own.

namespace kesto {

class SqlDatabase;

class SqlTransaction {
public:
    explicit SqlTransaction(SqlDatabase& db);
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;
    ~SqlTransaction();

    bool active() const { return active_; }
    // False when the commit failed (the statements are then rolled back).
    bool commit();

private:
    SqlDatabase& db_;
    bool active_ = false;
};

} // namespace kesto
