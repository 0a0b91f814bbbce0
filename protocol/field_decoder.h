#pragma once
// Decoding of reply fields: character references, the "NULL" rule, percent-decoding and the
// decimal reading of number fields. Functions that may rewrite a field take a scratch string
// and return a view either of the input (nothing to change) or of the scratch.

#include <cstdint>
#include <string>
#include <string_view>

namespace kesto {

class FieldDecoder {
public:
    // Replaces each well-formed "&#n;" by the character n. Below 256 that is the byte n (0 is
    // dropped); above, the Unicode character n written in CP949 ('?' where it has none). A
    // group that is malformed or beyond U+10FFFF stays as it came.
    static std::string_view characterReferences(std::string_view field, std::string& scratch);

    // The value copy of a text field: "NULL" in any letter case is empty, otherwise the field
    // percent-decoded.
    static std::string_view value(std::string_view field, std::string& scratch);

    // Each '%' followed by two hexadecimal digits becomes that byte; nothing is encoded. A '%'
    // without two digits, and "%00" (which would cut the text), stay as they came.
    static std::string_view percentDecode(std::string_view field, std::string& scratch);

    static bool isNullWord(std::string_view field);

    // Leading blanks, an optional sign and decimal digits; 0 for anything else. Saturates at
    // the limits of a 32-bit integer.
    static std::int32_t toInt(std::string_view text);
};

} // namespace kesto
