#pragma once
// A database failure that the album code swallows leaves one line in kesto.library: what was
// being done and SQLite's reason.

#include <exception>
#include <string_view>

namespace kesto {

class SqlFailure {
public:
    static void log(std::string_view what, const std::exception& error) noexcept;
};

} // namespace kesto
