#include "settings/registry_text.h"

#include "platform/cp949.h"
#include "platform/hex_digit.h"
#include "platform/utf8.h"

#include <cstdint>

namespace kesto {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

RegistryText::Decoded decodeUtf16le(std::string_view bytes) {
    RegistryText::Decoded result;
    result.clean = bytes.size() % 2 == 0;
    const auto unit = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    result.utf8.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
            result.clean = false;
        }
        Utf8::append(result.utf8, cp);
    }
    return result;
}

void appendByteEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

// Control characters are escaped too: a line break would end the value's line.
void appendEscaped(std::string& out, std::string_view utf8) {
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            appendByteEscape(out, byte);
            continue;
        }
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
}

// One character at a time, for text that does not survive a whole-string conversion.
void appendMixed(std::string& out, std::string_view cp949) {
    std::size_t i = 0;
    while (i < cp949.size()) {
        const auto c = static_cast<unsigned char>(cp949[i]);
        if (c < 0x80) {
            appendEscaped(out, cp949.substr(i, 1));
            ++i;
            continue;
        }
        if (Cp949::isLeadByte(c) && i + 1 < cp949.size()) {
            const std::string_view pair = cp949.substr(i, 2);
            const std::string utf8 = Cp949::toUtf8(pair);
            if (utf8 != "\xEF\xBF\xBD" && Cp949::fromUtf8(utf8) == pair) {
                out += utf8;
                i += 2;
                continue;
            }
        }
        appendByteEscape(out, c);
        ++i;
    }
}

void flushRun(std::string& out, std::string& run) {
    out += isAscii(run) ? run : Cp949::fromUtf8(run);
    run.clear();
}

} // namespace

RegistryText::Decoded RegistryText::decodeFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return decodeUtf16le(bytes.substr(2));
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (isValidUtf8(bytes))
        return {std::string(bytes), true};
    std::string utf8 = Cp949::toUtf8(bytes);
    const bool clean = Cp949::fromUtf8(utf8) == bytes;
    return {std::move(utf8), clean};
}

std::string RegistryText::quote(std::string_view cp949) {
    std::string out = "\"";
    if (isAscii(cp949)) {
        appendEscaped(out, cp949);
    } else {
        const std::string utf8 = Cp949::toUtf8(cp949);
        if (Cp949::fromUtf8(utf8) == cp949)
            appendEscaped(out, utf8);
        else
            appendMixed(out, cp949);
    }
    out += '"';
    return out;
}

std::optional<std::string> RegistryText::unquote(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"')
        return std::nullopt;
    std::string out;
    std::string run; // UTF-8 not yet converted
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            flushRun(out, run);
            pos = i + 1;
            return out;
        }
        if (c != '\\' || i + 1 >= text.size()) {
            run += c;
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\' || next == '"') {
            run += next;
            ++i;
        } else if (next == 'x' && i + 3 < text.size() && HexDigit::value(text[i + 2]) >= 0 &&
                   HexDigit::value(text[i + 3]) >= 0) {
            flushRun(out, run);
            out += static_cast<char>(HexDigit::value(text[i + 2]) * 16 + HexDigit::value(text[i + 3]));
            i += 3;
        } else {
            run += c; // a lone backslash stays as it is
        }
    }
    return std::nullopt;
}

bool RegistryText::isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false;
        std::uint32_t cp = c & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000))
            return false;
        i += extra + 1;
    }
    return true;
}

} // namespace kesto
