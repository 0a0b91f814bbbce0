#pragma once
// A window rectangle kept as a text value: "%d,%d,%d,%d" in the order left, right, top, bottom.

#include "include/kesto/panel_api.h"

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

class RectValue {
public:
    static std::string format(const KestoRect& rect);
    // Four decimal integers separated by commas (blanks around them allowed); anything else,
    // or a rectangle with no area or a side longer than an int holds, is damaged and gives nothing.
    static std::optional<KestoRect> parse(std::string_view text);
};

} // namespace kesto
