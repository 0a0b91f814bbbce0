#pragma once
// Percent-encoding for texts put into a URL query, by a fixed byte table, and for form values.

#include <string>
#include <string_view>

namespace kesto {

class PercentEncoder {
public:
    // Reserved and unsafe characters, every byte below 33 or from 0x80 up, and 123 to 127
    // become '%' and two upper-case hexadecimal digits; other bytes are kept.
    static std::string encode(std::string_view text);
    static bool needsEncoding(unsigned char byte);
    // A value of an application/x-www-form-urlencoded body: letters, digits and "*-._" are
    // kept, a space becomes '+', every other byte '%' and two upper-case hexadecimal digits.
    static std::string formValue(std::string_view text);
};

} // namespace kesto
