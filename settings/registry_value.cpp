#include "settings/registry_value.h"

#include "platform/hex_digit.h"
#include "settings/registry_text.h"

namespace kesto {
namespace {

// "hex(2):41,00,\<newline>  42,00" -> the bytes; separators and line breaks are skipped.
std::string hexBytes(std::string_view text) {
    const std::size_t colon = text.find(':');
    std::string bytes;
    int high = -1;
    for (char c : text.substr(colon == std::string_view::npos ? text.size() : colon + 1)) {
        const int d = HexDigit::value(c);
        if (d < 0) {
            high = -1;
            continue;
        }
        if (high < 0) {
            high = d;
        } else {
            bytes += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    return bytes;
}

} // namespace

std::string RegistryValue::rawBytes() const {
    switch (type) {
    case Type::String:
        return data + '\0';
    case Type::Dword: {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
        return bytes;
    }
    case Type::Other:
        return hexBytes(data);
    }
    return {};
}

} // namespace kesto
