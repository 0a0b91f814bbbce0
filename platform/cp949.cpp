#include "platform/cp949.h"

#include <cstdint>
#include <cstring>

#include <cerrno>
#include <iconv.h>

namespace kesto {
namespace {

// iconv descriptors are not thread-safe: one pair per thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns false with in/inLeft at the offending byte.
    bool run(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[1024];
        while (inLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            char* src = const_cast<char*>(in);
            std::size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            int err = errno;
            in = src;
            out.append(buffer, sizeof buffer - dstLeft);
            if (rc == static_cast<std::size_t>(-1) && err != E2BIG) {
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

std::string convert(Converter& conv, std::string_view text, std::string_view replacement) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    if (!conv.valid()) {
        for (unsigned char c : text)
            out += c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(replacement);
        return out;
    }
    const char* in = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        if (conv.run(in, left, out))
            break;
        out += replacement;
        ++in;
        --left;
        // A malformed UTF-8 lead swallows its continuation bytes, never an ASCII byte.
        while (replacement == "?" && left > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
            ++in;
            --left;
        }
    }
    return out;
}

} // namespace

std::string Cp949::toUtf8(std::string_view cp949) {
    thread_local Converter conv("UTF-8", "CP949");
    return convert(conv, cp949, "\xEF\xBF\xBD");
}

std::string Cp949::fromUtf8(std::string_view utf8) {
    thread_local Converter conv("CP949", "UTF-8");
    return convert(conv, utf8, "?");
}

std::size_t Cp949::fitLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t i = 0;
    while (i < maxBytes) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t width = isLeadByte(c) && i + 1 < text.size() ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return i;
}

namespace {

// Eight bytes at a time where none of them is above ASCII, so none starts a two-byte character.
constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::size_t kWord = sizeof(std::uint64_t);

std::uint64_t wordAt(std::string_view text, std::size_t i) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + i, kWord);
    return word;
}

// Capital letters folded in a word of ASCII bytes: a byte gets its 0x20 bit when it lies from
// 'A' to 'Z' (no sum below carries into the next byte).
std::uint64_t lowerAscii(std::uint64_t word) {
    const std::uint64_t fromA = word + (0x80 - 'A') * kEveryByte;
    const std::uint64_t pastZ = word + (0x80 - 'Z' - 1) * kEveryByte;
    return word | ((fromA & ~pastZ & kHighBits) >> 2);
}

char lowerByte(unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

} // namespace

std::string Cp949::foldCase(std::string_view text) {
    std::string out(text.size(), '\0');
    foldCaseInto(text, out.data());
    return out;
}

void Cp949::foldCaseInto(std::string_view text, char* out) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + kWord <= text.size()) {
            const std::uint64_t word = wordAt(text, i);
            if ((word & kHighBits) == 0) {
                const std::uint64_t lower = lowerAscii(word);
                std::memcpy(out + i, &lower, kWord);
                i += kWord;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(text[i]);
        out[i] = lowerByte(c);
        if (isLeadByte(c)) {
            out[i] = text[i];
            if (i + 1 < text.size())
                out[i + 1] = text[i + 1];
            ++i;
        }
        ++i;
    }
}

bool Cp949::equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    std::size_t i = 0;
    while (i < a.size()) {
        if (i + kWord <= a.size()) {
            const std::uint64_t x = wordAt(a, i);
            const std::uint64_t y = wordAt(b, i);
            if (((x | y) & kHighBits) == 0) {
                if (lowerAscii(x) != lowerAscii(y))
                    return false;
                i += kWord;
                continue;
            }
        }
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (isLeadByte(x)) {
            // Both bytes of a two-byte character compare exactly.
            if (x != y || (i + 1 < a.size() && a[i + 1] != b[i + 1]))
                return false;
            ++i;
        } else if (lowerByte(x) != lowerByte(y)) {
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace kesto
