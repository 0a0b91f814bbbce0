#include "protocol/percent_encoder.h"

#include <array>

namespace kesto {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::string_view kReserved = "\"<>%\\^[]`+$,@:;/!#?=&";

constexpr std::array<bool, 256> makeTable() {
    std::array<bool, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = byte < 33 || byte >= 123;
    for (char c : kReserved)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kEncoded = makeTable();

bool keptInForm(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '*' ||
           c == '-' || c == '.' || c == '_';
}

void appendEscaped(std::string& out, unsigned char byte) {
    out += '%';
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

} // namespace

bool PercentEncoder::needsEncoding(unsigned char byte) {
    return kEncoded[byte];
}

std::string PercentEncoder::encode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!kEncoded[byte]) {
            out += c;
            continue;
        }
        appendEscaped(out, byte);
    }
    return out;
}

std::string PercentEncoder::formValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (keptInForm(c))
            out += c;
        else if (c == ' ')
            out += '+';
        else
            appendEscaped(out, static_cast<unsigned char>(c));
    }
    return out;
}

} // namespace kesto
