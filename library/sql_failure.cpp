#include "library/sql_failure.h"

#include "platform/failure_log.h"

#include <string>

namespace kesto {

void SqlFailure::log(std::string_view what, const std::exception& error) noexcept {
    try {
        FailureLog::write(LogCategory::Library, std::string(what) + ": " + error.what());
    } catch (...) {
        // No memory for the line: the caller's failure value says enough.
    }
}

} // namespace kesto
