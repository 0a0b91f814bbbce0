#include "settings/rect_value.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

namespace kesto {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() &&
           (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

std::optional<int> number(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string RectValue::format(const KestoRect& rect) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", rect.left, rect.right, rect.top, rect.bottom);
    return text;
}

std::optional<KestoRect> RectValue::parse(std::string_view text) {
    std::array<int, 4> values{};
    for (std::size_t field = 0; field < values.size(); ++field) {
        const std::size_t comma = text.find(',');
        const bool last = field + 1 == values.size();
        // The last field runs to the end; the others end at a comma.
        if (last != (comma == std::string_view::npos))
            return std::nullopt;
        const auto value = number(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        values[field] = *value;
        if (!last)
            text.remove_prefix(comma + 1);
    }
    const KestoRect rect{values[0], values[2], values[1], values[3]};
    // No area, or a width or height beyond an int: damaged.
    const long long width = static_cast<long long>(rect.right) - rect.left;
    const long long height = static_cast<long long>(rect.bottom) - rect.top;
    if (width <= 0 || height <= 0 || width > std::numeric_limits<int>::max() ||
        height > std::numeric_limits<int>::max())
        return std::nullopt;
    return rect;
}

} // namespace kesto
