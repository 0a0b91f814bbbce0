#pragma once
// Percent-encoding for texts put into a URL query, by a fixed byte table.

#include <string>
#include <string_view>

namespace kesto {

class PercentEncoder {
public:
    // Reserved and unsafe characters, every byte below 33 or from 0x80 up, and 123 to 127
    // become '%' and two upper-case hexadecimal digits; other bytes are kept.
    static std::string encode(std::string_view text);
    static bool needsEncoding(unsigned char byte);
};

} // namespace kesto
