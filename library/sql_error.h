#pragma once
// The one error type of the database layer: an SQLite result code (or 1000 for the wrapper's
// own errors) and the message "NAME[code]: text".

#include <string>
#include <string_view>

namespace kesto {

class SqlError {
public:
    // Code of errors raised by the wrapper itself.
    static constexpr int kWrapperError = 1000;

    // rawMessage may be null. With release set it came from sqlite3_malloc and is freed here.
    SqlError(int code, char* rawMessage, bool release);
    SqlError(int code, const char* rawMessage);
    SqlError(const SqlError& other);
    SqlError& operator=(const SqlError& other);
    ~SqlError();

    int errorCode() const { return code_; }
    // Null only for a copy of an exception without message.
    const char* errorMessage() const { return message_; }

    static const char* errorCodeAsString(int code);

    // One line in kesto.library: what failed and SQLite's reason.
    void log(std::string_view what) const noexcept;

private:
    int code_ = 0;
    char* message_ = nullptr; // sqlite3_mprintf'ed
};

} // namespace kesto
