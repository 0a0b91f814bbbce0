#pragma once
// The value of one hexadecimal digit, as escapes in replies, requests and settings files write it.

namespace kesto {

class HexDigit {
public:
    // 0 to 15, or -1 when the character is no hexadecimal digit.
    static constexpr int value(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
};

} // namespace kesto
