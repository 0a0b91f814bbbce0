#include "minimode/window_frame.h"

#include <algorithm>

namespace kesto {

namespace {

// The offset that brings value onto edge when it lies within the snap distance on the inside.
int snapOffset(int value, int edge, bool insideIsAbove) {
    const int inside = insideIsAbove ? value - edge : edge - value;
    return inside > 0 && inside <= WindowFrame::kSnapDistance ? edge - value : 0;
}

} // namespace

FrameZone WindowFrame::hit(int x, int y, int width, int height) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return FrameZone::Inside;
    const bool left = x < kCornerSize;
    const bool right = x >= width - kCornerSize;
    const bool top = y < kCornerSize;
    const bool bottom = y >= height - kCornerSize;
    if (x >= width - kGripSize && y >= height - kGripSize)
        return FrameZone::BottomRight;
    if (top && left)
        return FrameZone::TopLeft;
    if (top && right)
        return FrameZone::TopRight;
    if (bottom && left)
        return FrameZone::BottomLeft;
    if (x < kEdgeSize)
        return FrameZone::Left;
    if (x >= width - kEdgeSize)
        return FrameZone::Right;
    if (y < kEdgeSize)
        return FrameZone::Top;
    if (y >= height - kEdgeSize)
        return FrameZone::Bottom;
    return y < kCaptionHeight ? FrameZone::Caption : FrameZone::Inside;
}

KestoRect WindowFrame::resized(const KestoRect& start, FrameZone zone, int dx, int dy, int minWidth,
                               int minHeight) {
    KestoRect r = start;
    const bool left = zone == FrameZone::Left || zone == FrameZone::TopLeft || zone == FrameZone::BottomLeft;
    const bool right =
        zone == FrameZone::Right || zone == FrameZone::TopRight || zone == FrameZone::BottomRight;
    const bool top = zone == FrameZone::Top || zone == FrameZone::TopLeft || zone == FrameZone::TopRight;
    const bool bottom =
        zone == FrameZone::Bottom || zone == FrameZone::BottomLeft || zone == FrameZone::BottomRight;
    if (left)
        r.left = std::min(start.left + dx, start.right - minWidth);
    if (right)
        r.right = std::max(start.right + dx, start.left + minWidth);
    if (top)
        r.top = std::min(start.top + dy, start.bottom - minHeight);
    if (bottom)
        r.bottom = std::max(start.bottom + dy, start.top + minHeight);
    return r;
}

KestoRect WindowFrame::snapped(const KestoRect& rect, const std::vector<KestoRect>& areas) {
    int dx = 0;
    int dy = 0;
    for (const KestoRect& area : areas) {
        if (dx == 0)
            dx = snapOffset(rect.left, area.left, true);
        if (dx == 0)
            dx = snapOffset(rect.right, area.right, false);
        if (dy == 0)
            dy = snapOffset(rect.top, area.top, true);
        if (dy == 0)
            dy = snapOffset(rect.bottom, area.bottom, false);
    }
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

bool WindowFrame::docked(const KestoRect& window, const KestoRect& host) {
    return window.top == host.bottom && window.left < host.right && host.left < window.right;
}

} // namespace kesto
