#include "protocol/field_decoder.h"

#include "platform/cp949.h"
#include "platform/hex_digit.h"
#include "platform/utf8.h"

#include <cstring>
#include <limits>

namespace kesto {

namespace {

// Empty values point at a real (empty) text: some C functions refuse null even for 0 bytes.
constexpr std::string_view kEmpty = "";
constexpr std::uint32_t kLastCodePoint = 0x10FFFF;
// Longer digit runs cannot name a character; stopping there also keeps the sum in range.
constexpr std::size_t kMaxReferenceDigits = 7;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void appendCharacter(std::string& out, std::uint32_t code) {
    if (code == 0)
        return;
    if (code < 256) {
        out += static_cast<char>(code);
        return;
    }
    std::string utf8;
    Utf8::append(utf8, code);
    out += Cp949::fromUtf8(utf8);
}

// Length of a well-formed reference at the start of text, with its code; 0 when malformed.
std::size_t referenceAt(std::string_view text, std::uint32_t& code) {
    if (text.size() < 4 || text[0] != '&' || text[1] != '#')
        return 0;
    std::size_t i = 2;
    code = 0;
    while (i < text.size() && isDigit(text[i])) {
        if (i - 2 >= kMaxReferenceDigits)
            return 0;
        code = code * 10 + static_cast<std::uint32_t>(text[i] - '0');
        ++i;
    }
    if (i == 2 || i >= text.size() || text[i] != ';' || code > kLastCodePoint)
        return 0;
    return i + 1;
}

} // namespace

std::string_view FieldDecoder::decodedValueOf(const FieldCursor::Field& field, Scratch& scratch) {
    const std::string_view referenced =
        field.ampersand ? characterReferences(field.text, scratch.references) : field.text;
    if (isNullWord(referenced))
        return kEmpty;
    // A reference may have written a '%'.
    const bool escapes = field.percent || referenced.data() != field.text.data();
    return escapes ? percentDecode(referenced, scratch.percent) : referenced;
}

std::string_view FieldDecoder::characterReferences(std::string_view field, std::string& scratch) {
    std::size_t amp = field.find("&#");
    if (amp == std::string_view::npos)
        return field;
    scratch.clear();
    std::size_t done = 0;
    while (amp != std::string_view::npos) {
        std::uint32_t code = 0;
        const std::size_t length = referenceAt(field.substr(amp), code);
        if (length == 0) {
            amp = field.find("&#", amp + 1);
            continue;
        }
        scratch.append(field.substr(done, amp - done));
        appendCharacter(scratch, code);
        done = amp + length;
        amp = field.find("&#", done);
    }
    scratch.append(field.substr(done));
    return scratch;
}

bool FieldDecoder::isNullWordOfFour(std::string_view field) {
    constexpr std::string_view kNull = "null";
    for (std::size_t i = 0; i < kNull.size(); ++i) {
        const char c = field[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != kNull[i])
            return false;
    }
    return true;
}

std::string_view FieldDecoder::value(std::string_view field, std::string& scratch) {
    if (isNullWord(field))
        return kEmpty;
    return percentDecode(field, scratch);
}

std::string_view FieldDecoder::percentDecode(std::string_view field, std::string& scratch) {
    const std::size_t first = field.find('%');
    if (first == std::string_view::npos)
        return field;
    // One pass over the bytes: decoding only ever shortens the text.
    scratch.resize(field.size());
    char* const out = scratch.data();
    std::memcpy(out, field.data(), first);
    std::size_t written = first;
    for (std::size_t i = first; i < field.size();) {
        if (field[i] == '%' && i + 2 < field.size()) {
            const int high = HexDigit::value(field[i + 1]);
            const int low = HexDigit::value(field[i + 2]);
            const int byte = high * 16 + low;
            if (high >= 0 && low >= 0 && byte != 0) {
                out[written++] = static_cast<char>(byte);
                i += 3;
                continue;
            }
        }
        out[written++] = field[i++];
    }
    scratch.resize(written);
    return scratch;
}

std::int32_t FieldDecoder::toInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\f' || text[i] == '\v'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit)
            magnitude = kLimit;
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(magnitude >= kLimit ? kLimit - 1 : magnitude);
}

} // namespace kesto
