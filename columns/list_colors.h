#pragma once
// The colours of list rows by skin type and list kind, as 0xRRGGBB.

#include "columns/cell_formatter.h"

#include <cstdint>

namespace kesto {

using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return static_cast<Rgb>((r << 16) | (g << 8) | b);
}

struct ListColors {
    Rgb evenBackground = 0;
    Rgb oddBackground = 0;
    Rgb selectionText = 0;
    Rgb normalText = 0;
    Rgb currentText = 0;
    Rgb greyText = 0;

    static ListColors forSkin(int skinType, bool miniList, Rgb baseText);
    Rgb background(int row) const { return row % 2 == 0 ? evenBackground : oddBackground; }
    // Selected, then current (while current marking is on), then grey over everything.
    Rgb text(bool selected, bool current, bool grey) const;
    static Rgb rankColor(RankTrend trend);
};

} // namespace kesto
