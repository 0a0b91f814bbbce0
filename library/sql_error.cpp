#include "library/sql_error.h"

#include "platform/failure_log.h"

#include <sqlite3.h>

#include <array>

namespace kesto {

namespace {
constexpr std::array<const char*, 26> kPrimaryNames = {
    "SQLITE_OK",       "SQLITE_ERROR",   "SQLITE_INTERNAL", "SQLITE_PERM",     "SQLITE_ABORT",
    "SQLITE_BUSY",     "SQLITE_LOCKED",  "SQLITE_NOMEM",    "SQLITE_READONLY", "SQLITE_INTERRUPT",
    "SQLITE_IOERR",    "SQLITE_CORRUPT", "SQLITE_NOTFOUND", "SQLITE_FULL",     "SQLITE_CANTOPEN",
    "SQLITE_PROTOCOL", "SQLITE_EMPTY",   "SQLITE_SCHEMA",   "SQLITE_TOOBIG",   "SQLITE_CONSTRAINT",
    "SQLITE_MISMATCH", "SQLITE_MISUSE",  "SQLITE_NOLFS",    "SQLITE_AUTH",     "SQLITE_FORMAT",
    "SQLITE_RANGE"};
} // namespace

SqlError::SqlError(int code, char* rawMessage, bool release) : code_(code) {
    message_ = sqlite3_mprintf("%s[%d]: %s", errorCodeAsString(code), code, rawMessage ? rawMessage : "");
    if (release && rawMessage)
        sqlite3_free(rawMessage);
}

SqlError::SqlError(int code, const char* rawMessage) : code_(code) {
    message_ = sqlite3_mprintf("%s[%d]: %s", errorCodeAsString(code), code, rawMessage ? rawMessage : "");
}

SqlError::SqlError(const SqlError& other) : code_(other.code_) {
    if (other.message_)
        message_ = sqlite3_mprintf("%s", other.message_);
}

SqlError& SqlError::operator=(const SqlError& other) {
    if (this != &other) {
        char* copy = other.message_ ? sqlite3_mprintf("%s", other.message_) : nullptr;
        sqlite3_free(message_);
        message_ = copy;
        code_ = other.code_;
    }
    return *this;
}

SqlError::~SqlError() {
    sqlite3_free(message_);
}

const char* SqlError::errorCodeAsString(int code) {
    if (code >= 0 && code < static_cast<int>(kPrimaryNames.size()))
        return kPrimaryNames[static_cast<std::size_t>(code)];
    switch (code) {
    case SQLITE_ROW:
        return "SQLITE_ROW";
    case SQLITE_DONE:
        return "SQLITE_DONE";
    case kWrapperError:
        return "CPPSQLITE_ERROR";
    default:
        return "UNKNOWN_ERROR";
    }
}

void SqlError::log(std::string_view what) const noexcept {
    try {
        FailureLog::write(LogCategory::Library,
                          std::string(what) + ": " +
                              (message_ != nullptr ? message_ : errorCodeAsString(code_)));
    } catch (...) {
        // No memory for the line: the caller's failure value says enough.
    }
}

} // namespace kesto
