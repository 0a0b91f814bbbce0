#pragma once
// Texts cut into characters by the encodings' own byte rules, so that a converter is handed
// whole characters and a bad one costs exactly its own bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kesto {

class TextPieces {
public:
    struct Piece {
        std::size_t length = 1;
        bool wellFormed = true; // false: bytes that no character of the encoding starts with
    };

    // A CP949 character at i: an ASCII byte, or a lead byte with a byte of the trail range after
    // it (assigned or not, as the code page's converters take it). A lead byte without a trail
    // is one bad byte and the byte after it stays.
    static Piece cp949(std::string_view text, std::size_t i);
    // A UTF-8 character at i by the length its first byte announces. A broken one is one bad
    // piece with the continuation bytes after it, never an ASCII byte or a new lead.
    static Piece utf8(std::string_view text, std::size_t i);

    static bool isCp949Trail(unsigned char byte);
    // The code point of a well-formed UTF-8 piece, not checked for overlong forms.
    static std::uint32_t utf8CodePoint(std::string_view piece);
};

} // namespace kesto
