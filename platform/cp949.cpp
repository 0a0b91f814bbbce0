#include "platform/cp949.h"

#include <cstdint>
#include <cstring>

#include "platform/cp949_extra_pairs.h"
#include "platform/iconv_converter.h"
#include "platform/text_pieces.h"
#include "platform/utf8.h"

namespace kesto {
namespace {

const std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
const std::string_view kReplacementCp949 = "?";

// One direction: how a text is cut into characters, the characters mapped here rather than
// by iconv, and what stands for one that cannot be converted.
struct Direction {
    TextPieces::Piece (*piece)(std::string_view text, std::size_t i);
    bool (*appendOwn)(std::string_view piece, std::string& out);
    std::string_view replacement;
};

bool appendOwnUnicode(std::string_view piece, std::string& out) {
    if (piece.size() != 2)
        return false;
    const std::uint32_t cp = Cp949ExtraPairs::toUnicode(static_cast<unsigned char>(piece[0]),
                                                        static_cast<unsigned char>(piece[1]));
    if (cp == 0)
        return false;
    Utf8::append(out, cp);
    return true;
}

bool appendOwnPair(std::string_view piece, std::string& out) {
    if (piece.size() != 3)
        return false;
    const std::uint16_t pair = Cp949ExtraPairs::fromUnicode(TextPieces::utf8CodePoint(piece));
    if (pair == 0)
        return false;
    out += static_cast<char>(pair >> 8);
    out += static_cast<char>(pair & 0xFF);
    return true;
}

// A run of well-formed characters goes to iconv whole. Where iconv refuses one, the run up
// to where it stopped goes again one character at a time, so that whatever iconv did with
// the bad one, it costs one replacement and no byte of its neighbours.
void convertRun(IconvConverter& conv, const Direction& dir, std::string_view run, std::string& out) {
    while (!run.empty()) {
        const std::size_t mark = out.size();
        std::size_t stoppedAt = 0;
        if (conv.convert(run, out, stoppedAt))
            return;
        out.resize(mark);
        std::size_t i = 0;
        do {
            const std::size_t length = dir.piece(run, i).length;
            const std::size_t pieceMark = out.size();
            std::size_t unused = 0;
            if (!conv.convert(run.substr(i, length), out, unused)) {
                out.resize(pieceMark);
                out += dir.replacement;
            }
            i += length;
        } while (i <= stoppedAt && i < run.size());
        run.remove_prefix(i);
    }
}

std::string convert(IconvConverter& conv, const Direction& dir, std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    std::size_t runStart = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const TextPieces::Piece piece = dir.piece(text, i);
        const std::size_t next = i + piece.length;
        std::string own;
        if (!piece.wellFormed || (piece.length > 1 && dir.appendOwn(text.substr(i, piece.length), own))) {
            convertRun(conv, dir, text.substr(runStart, i - runStart), out);
            out += piece.wellFormed ? std::string_view(own) : dir.replacement;
            runStart = next;
        }
        i = next;
    }
    convertRun(conv, dir, text.substr(runStart), out);
    return out;
}

} // namespace

std::string Cp949::toUtf8(std::string_view cp949) {
    static const Direction kToUtf8{&TextPieces::cp949, &appendOwnUnicode, kReplacementUtf8};
    thread_local IconvConverter conv("UTF-8", "CP949");
    return convert(conv, kToUtf8, cp949);
}

std::string Cp949::fromUtf8(std::string_view utf8) {
    static const Direction kFromUtf8{&TextPieces::utf8, &appendOwnPair, kReplacementCp949};
    thread_local IconvConverter conv("CP949", "UTF-8");
    return convert(conv, kFromUtf8, utf8);
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
