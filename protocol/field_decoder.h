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
    // Buffers that the rare fields with references or percent signs are decoded through; kept
    // by the caller across fields so that decoding allocates only while they grow.
    struct Scratch {
        std::string references;
        std::string percent;
    };

    // A field as it came in the reply, decoded straight into a record's text field of the given
    // capacity (terminator included) and cut to fit. valueInto applies references, the "NULL"
    // rule and percent-decoding; rawInto only references. A plain field (isPlain: no '&', '%'
    // or NUL, as the reader of the reply may already know) is copied without a detour.
    static void valueInto(char* out, std::size_t capacity, std::string_view field, bool plain,
                          Scratch& scratch);
    static void rawInto(char* out, std::size_t capacity, std::string_view field, bool plain,
                        Scratch& scratch);
    // A number field as it came: references replaced, then read by toInt.
    static std::int32_t numberOf(std::string_view field, bool plain, Scratch& scratch);
    static bool isPlain(std::string_view field);

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
