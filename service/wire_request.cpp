#include "service/wire_request.h"

#include "platform/hex_digit.h"

#include <charconv>

namespace kesto::service {
namespace {

constexpr char kVt = '\x0B';

bool isTrailByte(unsigned char c) {
    return (c >= 0x41 && c <= 0x5A) || (c >= 0x61 && c <= 0x7A) || (c >= 0x81 && c <= 0xFE);
}

} // namespace

WireRequest::WireRequest(std::string_view body) : validText_(isCp949(body)) {
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t end = body.find(kVt, start);
        if (end == std::string_view::npos) {
            fields_.emplace_back(body.substr(start));
            break;
        }
        fields_.emplace_back(body.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<ServiceCode> WireRequest::check(std::size_t minimum) const {
    if (!validText_)
        return ServiceCode::BadEncoding;
    if (fields_.size() < minimum)
        return ServiceCode::TooFewFields;
    return std::nullopt;
}

const std::string& WireRequest::field(std::size_t index) const {
    static const std::string empty;
    return index < fields_.size() ? fields_[index] : empty;
}

std::int64_t WireRequest::integer(std::size_t index, std::int64_t fallback) const {
    const std::string& text = field(index);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty() ? value : fallback;
}

bool WireRequest::isCp949(std::string_view text) {
    // Lead 0x81-0xFE with a trail of 0x41-0x5A, 0x61-0x7A or 0x81-0xFE; NUL and 0x80/0xFF alone
    // never occur in the store's text.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0 || c == 0x80 || c == 0xFF)
            return false;
        if (c < 0x80)
            continue;
        if (i + 1 >= text.size() || !isTrailByte(static_cast<unsigned char>(text[i + 1])))
            return false;
        ++i;
    }
    return true;
}

std::string WireRequest::percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit::value(text[i + 1]) >= 0 &&
            HexDigit::value(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit::value(text[i + 1]) * 16 + HexDigit::value(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace kesto::service
