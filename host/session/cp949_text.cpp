#include "host/session/cp949_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace kesto {
namespace {

bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrailByte(unsigned char byte) {
    return (byte >= 0x41 && byte <= 0x5A) || (byte >= 0x61 && byte <= 0x7A) || (byte >= 0x81 && byte <= 0xFE);
}

// A CP949 character: an ASCII byte, a lead byte with a trail byte, else one bad byte.
std::size_t cp949Piece(std::string_view text, std::size_t i) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
                   isTrailByte(static_cast<unsigned char>(text[i + 1]))
               ? 2
               : 1;
}

// A UTF-8 character by its first byte; a broken one takes the continuation bytes after it.
std::size_t utf8Piece(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t want = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
    std::size_t j = i + 1;
    while (j < text.size() && (want == 0 || j - i < want) &&
           (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80)
        ++j;
    return j - i;
}

// The code page's pairs that glibc lacks: the postal code mark and the user-defined rows.
std::string ownPairUtf8(unsigned char lead, unsigned char trail) {
    if (lead == 0xA2 && trail == 0xE8)
        return "\xE3\x89\xBE"; // U+327E
    if ((lead != 0xC9 && lead != 0xFE) || trail < 0xA1 || trail == 0xFF)
        return {};
    const unsigned cp = (lead == 0xC9 ? 0xE000u : 0xE05Eu) + (trail - 0xA1u);
    return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

std::string ownPairCp949(std::string_view utf8) {
    if (utf8.size() != 3 || (static_cast<unsigned char>(utf8[0]) & 0xF0) != 0xE0)
        return {};
    const unsigned cp = ((static_cast<unsigned char>(utf8[0]) & 0x0Fu) << 12) |
                        ((static_cast<unsigned char>(utf8[1]) & 0x3Fu) << 6) |
                        (static_cast<unsigned char>(utf8[2]) & 0x3Fu);
    if (cp == 0x327E)
        return "\xA2\xE8";
    if (cp < 0xE000 || cp > 0xE0BB)
        return {};
    const unsigned row = cp < 0xE05E ? 0 : 1;
    return {static_cast<char>(row == 0 ? 0xC9 : 0xFE),
            static_cast<char>(0xA1 + cp - (row == 0 ? 0xE000 : 0xE05E))};
}

// Appends text converted whole, or returns false; reads nothing past text.
bool convertWhole(iconv_t cd, std::string_view text, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(text.data());
    std::size_t left = text.size();
    char buffer[512];
    while (left > 0) {
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t done = iconv(cd, &src, &left, &dst, &room);
        const int err = errno;
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (done == static_cast<std::size_t>(-1) && err != E2BIG)
            return false;
    }
    return true;
}

struct Direction {
    const char* to;
    const char* from;
    std::size_t (*piece)(std::string_view, std::size_t);
    std::string (*own)(std::string_view);
    std::string_view badPiece;
};

// The whole text at once; where iconv refuses something, one character at a time, so that a
// refused character costs one replacement and never a neighbour's byte.
std::string convert(std::string_view in, const Direction& dir) {
    iconv_t cd = iconv_open(dir.to, dir.from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    std::string out;
    if (!convertWhole(cd, in, out)) {
        out.clear();
        for (std::size_t i = 0; i < in.size();) {
            const std::string_view piece = in.substr(i, dir.piece(in, i));
            const std::size_t mark = out.size();
            if (!convertWhole(cd, piece, out)) {
                out.resize(mark);
                const std::string own = dir.own(piece);
                out += own.empty() ? dir.badPiece : std::string_view(own);
            }
            i += piece.size();
        }
    }
    iconv_close(cd);
    return out;
}

std::string ownUtf8(std::string_view piece) {
    return piece.size() == 2
               ? ownPairUtf8(static_cast<unsigned char>(piece[0]), static_cast<unsigned char>(piece[1]))
               : std::string();
}

} // namespace

std::string Cp949Text::toUtf8(std::string_view cp949) {
    static const Direction kToUtf8{"UTF-8", "CP949", &cp949Piece, &ownUtf8, "\xEF\xBF\xBD"};
    return convert(cp949, kToUtf8);
}

std::string Cp949Text::fromUtf8(std::string_view utf8) {
    static const Direction kFromUtf8{"CP949", "UTF-8", &utf8Piece, &ownPairCp949, "?"};
    return convert(utf8, kFromUtf8);
}

void Cp949Text::copyInto(char* field, std::size_t capacity, std::string_view cp949) {
    if (capacity == 0)
        return;
    std::size_t length = 0;
    while (length < cp949.size()) {
        const std::size_t step = isLeadByte(static_cast<unsigned char>(cp949[length])) ? 2 : 1;
        if (length + step > capacity - 1 || length + step > cp949.size())
            break;
        length += step;
    }
    std::memcpy(field, cp949.data(), length);
    field[length] = '\0';
}

} // namespace kesto
