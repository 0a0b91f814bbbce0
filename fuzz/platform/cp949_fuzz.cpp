// Both converters on arbitrary bytes: never a read past the text, the UTF-8 they give is well
// formed, and text read from the code page goes back to it and reads again the same, with
// only the replacement characters turned into question marks.
#include "platform/cp949.h"
#include "platform/text_pieces.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool wellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const kesto::TextPieces::Piece piece = kesto::TextPieces::utf8(text, i);
        if (!piece.wellFormed)
            return false;
        i += piece.length;
    }
    return true;
}

std::string questionMarksForReplacements(std::string_view text) {
    const std::string_view replacement = "\xEF\xBF\xBD";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const bool replaced = text.substr(i, replacement.size()) == replacement;
        out += replaced ? '?' : text[i];
        i += replaced ? replacement.size() : 1;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = kesto::Cp949::toUtf8(bytes);
    check(wellFormedUtf8(utf8));
    check(kesto::Cp949::toUtf8(kesto::Cp949::fromUtf8(utf8)) == questionMarksForReplacements(utf8));
    check(kesto::Cp949::fromUtf8(bytes).size() <= bytes.size());
    return 0;
}
