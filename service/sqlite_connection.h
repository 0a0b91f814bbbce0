#pragma once
// One SQLite 3 connection of the service, shared by the stores behind one mutex.

#include <cstdint>
#include <mutex>
#include <string>

struct sqlite3;

namespace kesto::service {

class SqliteConnection {
public:
    explicit SqliteConnection(const std::string& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    // Runs statements without results; false on any error.
    bool exec(const std::string& sql);
    sqlite3* handle() const { return db_; }
    // Rows changed by the last statement.
    int changes() const;
    std::int64_t lastInsertId() const;
    // Held by every store operation: the connection is used from the server's worker threads.
    std::mutex& mutex() { return mutex_; }

private:
    sqlite3* db_ = nullptr;
    std::mutex mutex_;
};

} // namespace kesto::service
