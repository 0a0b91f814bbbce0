#pragma once
// CP949 (the panel's text encoding) to and from UTF-8 for the player, through iconv.

#include <string>
#include <string_view>

namespace kesto {

class Cp949Text {
public:
    // A character that does not convert becomes U+FFFD (to UTF-8) or '?' (to CP949); a lead
    // byte without its trail is one such character and the byte after it stays.
    static std::string toUtf8(std::string_view cp949);
    static std::string fromUtf8(std::string_view utf8);
    // Copies text into a fixed field of capacity bytes, NUL-terminated, never ending inside
    // a two-byte character.
    static void copyInto(char* field, std::size_t capacity, std::string_view cp949);
};

} // namespace kesto
