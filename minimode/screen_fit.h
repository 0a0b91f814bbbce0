#pragma once
// Places a window rectangle on the screens: a stored rectangle that is missing, off every
// screen or smaller than the minimum gives way to the default, and the result lies fully on
// the screen it overlaps most. Rectangles are (left, top, right, bottom).

#include "include/kesto/panel_api.h"

#include <optional>
#include <vector>

namespace kesto {

class ScreenFit {
public:
    // A width × height rectangle centred on the screen: left = width of the screen / 2 -
    // (width + 1) / 2, top likewise.
    static KestoRect centred(const KestoRect& screen, int width, int height);

    static KestoRect place(const std::optional<KestoRect>& stored, const KestoRect& fallback,
                           const std::vector<KestoRect>& screens, int minWidth, int minHeight);

    // The rectangle as given while any part of it shows on a screen; otherwise moved (and,
    // where larger, shrunk) onto the screen nearest to it.
    static KestoRect keepVisible(const KestoRect& rect, const std::vector<KestoRect>& screens);

    // Moves (and where it is larger, shrinks) rect so that it lies inside screen.
    static KestoRect inside(const KestoRect& rect, const KestoRect& screen);
};

} // namespace kesto
