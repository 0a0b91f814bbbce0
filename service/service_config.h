#pragma once
// How a reference service is set up: where its data lives, where it listens, its limits.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace kesto::service {

struct ServiceConfig {
    std::string dataDir; // the SQLite file lives here; created when missing
    int port = 0;        // 0: a free port, chosen at start
    std::size_t maxBodyBytes = 1 << 20;
    std::int64_t keyLifetimeSeconds = 24 * 60 * 60;
    std::function<std::int64_t()> clock; // seconds since the epoch; the system clock when empty
};

} // namespace kesto::service
