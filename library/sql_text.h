#pragma once
// Building statement texts: printf-style formatting of any length and the doubling of single
// quotes inside quoted values.

#include <string>
#include <string_view>

namespace kesto {

class SqlText {
public:
    static std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
    // "it's" -> "it''s"
    static std::string quoteDoubled(std::string_view value);
    // atol() of the text: leading blanks, a sign, then digits; 0 when there are none.
    static long toLong(std::string_view text);
    // True for 1 to 18 ASCII digits and nothing else: safe to place unquoted in a statement.
    static bool isPlainNumber(std::string_view text);
};

} // namespace kesto
