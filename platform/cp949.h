#pragma once
// CP949 (the store's code page) to and from UTF-8. Records, protocol text, the album database
// and settings values keep CP949 bytes; text is converted only where it is drawn or typed.

#include <string>
#include <string_view>

namespace kesto {

class Cp949 {
public:
    // An invalid or truncated sequence becomes U+FFFD; only the offending lead byte is
    // consumed, so an ASCII byte after it survives.
    static std::string toUtf8(std::string_view cp949);

    // A character that CP949 cannot hold, or a malformed UTF-8 byte, becomes '?'.
    static std::string fromUtf8(std::string_view utf8);

    // True when byte i of text starts a two-byte CP949 character (a lead byte with a byte after it).
    static bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

    // The longest prefix of text no longer than maxBytes that does not end inside a
    // two-byte character.
    static std::size_t fitLength(std::string_view text, std::size_t maxBytes);

    // ASCII letters folded to lower case; the second byte of a two-byte character is left
    // alone, since it may fall in the ASCII letter range.
    static std::string foldCase(std::string_view text);
    // The same into out, which has room for text.size() bytes.
    static void foldCaseInto(std::string_view text, char* out);
    static bool equalsIgnoreCase(std::string_view a, std::string_view b);
};

} // namespace kesto
