#pragma once
// The mini play list's own window frame: which part of the window the pointer is on, the
// rectangle a resize drag gives, snapping to screen edges while moving, and the docked test.
// Rectangles are screen rectangles (left, top, right, bottom).

#include "include/kesto/panel_api.h"

#include <vector>

namespace kesto {

enum class FrameZone {
    Inside,
    Caption,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

class WindowFrame {
public:
    static constexpr int kCornerSize = 6;
    static constexpr int kGripSize = 20; // the bottom-right corner
    static constexpr int kEdgeSize = 2;
    static constexpr int kCaptionHeight = 17;
    static constexpr int kSnapDistance = 10;

    // (x, y) inside a window width × height.
    static FrameZone hit(int x, int y, int width, int height);
    static bool resizes(FrameZone zone) { return zone != FrameZone::Inside && zone != FrameZone::Caption; }

    // The start rectangle dragged by (dx, dy) at that zone; the opposite edges stay, and the
    // size never goes below minWidth × minHeight.
    static KestoRect resized(const KestoRect& start, FrameZone zone, int dx, int dy, int minWidth,
                             int minHeight);

    // A moved rectangle whose edge lies within the snap distance inside an edge of one of the
    // areas (screens and work areas) is moved onto that edge.
    static KestoRect snapped(const KestoRect& rect, const std::vector<KestoRect>& areas);

    // The window sits exactly below the host window and overlaps it horizontally.
    static bool docked(const KestoRect& window, const KestoRect& host);
};

} // namespace kesto
