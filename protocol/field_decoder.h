#pragma once
// Decoding of reply fields: character references, the "NULL" rule, percent-decoding and the
// decimal reading of number fields. Functions that may rewrite a field take a scratch string
// and return a view either of the input (nothing to change) or of the scratch.

#include "protocol/field_cursor.h"

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

    // A field as the cursor read it from the reply, decoded: valueOf applies references, the
    // "NULL" rule and percent-decoding, rawOf only references, numberOf references and then
    // toInt. Each step runs only when the field holds what it looks for. The result is a view
    // of the field itself when nothing changed, else of the scratch, valid until the scratch is
    // used again; it holds a NUL only when the field did.
    // Inline for the plain fields, which are most of them.
    static std::string_view valueOf(const FieldCursor::Field& field, Scratch& scratch) {
        if (field.plain)
            return isNullWord(field.text) ? std::string_view() : field.text;
        return decodedValueOf(field, scratch);
    }
    static std::string_view rawOf(const FieldCursor::Field& field, Scratch& scratch) {
        return field.ampersand ? characterReferences(field.text, scratch.references) : field.text;
    }
    static std::int32_t numberOf(const FieldCursor::Field& field, Scratch& scratch) {
        return toInt(rawOf(field, scratch));
    }

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

    static bool isNullWord(std::string_view field) { return field.size() == 4 && isNullWordOfFour(field); }

    // Leading blanks, an optional sign and decimal digits; 0 for anything else. Saturates at
    // the limits of a 32-bit integer.
    static std::int32_t toInt(std::string_view text);

private:
    static std::string_view decodedValueOf(const FieldCursor::Field& field, Scratch& scratch);
    static bool isNullWordOfFour(std::string_view field);
};

} // namespace kesto
