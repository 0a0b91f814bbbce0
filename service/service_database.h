#pragma once
// The service's one SQLite file, shared by the stores behind one mutex: the server's worker
// threads use it at once. Statements throw SQLite::Exception; the server answers a command that
// fails with one as a store failure.

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <mutex>
#include <string>

namespace kesto::service {

class ServiceDatabase {
public:
    static constexpr int kBusyTimeoutMs = 2000;

    explicit ServiceDatabase(const std::string& path);
    ServiceDatabase(const ServiceDatabase&) = delete;
    ServiceDatabase& operator=(const ServiceDatabase&) = delete;

    // False when the file could not be opened; the stores then work on an empty stand-in.
    bool isOpen() const { return open_; }
    // Runs statements without results; false on any error.
    bool exec(const char* sql);
    SQLite::Database& file() { return file_; }
    std::int64_t lastInsertId() const { return file_.getLastInsertRowid(); }
    // Held by every store operation.
    std::mutex& mutex() { return mutex_; }

private:
    static SQLite::Database openOrStandIn(const std::string& path, bool& opened);

    bool open_ = false;
    SQLite::Database file_;
    std::mutex mutex_;
};

} // namespace kesto::service
