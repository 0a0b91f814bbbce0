#include "platform/text_pieces.h"

#include "platform/cp949.h"

namespace kesto {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

bool TextPieces::isCp949Trail(unsigned char byte) {
    return (byte >= 0x41 && byte <= 0x5A) || (byte >= 0x61 && byte <= 0x7A) || (byte >= 0x81 && byte <= 0xFE);
}

TextPieces::Piece TextPieces::cp949(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80)
        return {1, true};
    if (Cp949::isLeadByte(c) && i + 1 < text.size() && isCp949Trail(static_cast<unsigned char>(text[i + 1])))
        return {2, true};
    return {1, false};
}

TextPieces::Piece TextPieces::utf8(std::string_view text, std::size_t i) {
    const std::size_t length = utf8Length(static_cast<unsigned char>(text[i]));
    std::size_t j = i + 1;
    while (j < text.size() && j - i < (length == 0 ? text.size() : length) &&
           isContinuation(static_cast<unsigned char>(text[j])))
        ++j;
    if (length != 0 && j - i == length)
        return {length, true};
    return {j - i, false};
}

std::uint32_t TextPieces::utf8CodePoint(std::string_view piece) {
    const auto lead = static_cast<unsigned char>(piece[0]);
    if (piece.size() == 1)
        return lead;
    std::uint32_t cp = lead & (0x7F >> piece.size());
    for (std::size_t i = 1; i < piece.size(); ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(piece[i]) & 0x3F);
    return cp;
}

} // namespace kesto
