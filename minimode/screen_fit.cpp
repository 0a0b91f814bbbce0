#include "minimode/screen_fit.h"

#include <algorithm>

namespace kesto {

namespace {

long long overlap(const KestoRect& a, const KestoRect& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

const KestoRect* bestScreen(const KestoRect& rect, const std::vector<KestoRect>& screens) {
    const KestoRect* best = nullptr;
    long long most = 0;
    for (const KestoRect& screen : screens)
        if (const long long area = overlap(rect, screen); area > most) {
            most = area;
            best = &screen;
        }
    return best;
}

} // namespace

KestoRect ScreenFit::centred(const KestoRect& screen, int width, int height) {
    const int left = screen.left + (screen.right - screen.left) / 2 - (width + 1) / 2;
    const int top = screen.top + (screen.bottom - screen.top) / 2 - (height + 1) / 2;
    return {left, top, left + width, top + height};
}

KestoRect ScreenFit::inside(const KestoRect& rect, const KestoRect& screen) {
    const int width = std::min(rect.right - rect.left, screen.right - screen.left);
    const int height = std::min(rect.bottom - rect.top, screen.bottom - screen.top);
    const int left = std::clamp(rect.left, screen.left, screen.right - width);
    const int top = std::clamp(rect.top, screen.top, screen.bottom - height);
    return {left, top, left + width, top + height};
}

KestoRect ScreenFit::keepVisible(const KestoRect& rect, const std::vector<KestoRect>& screens) {
    if (screens.empty() || bestScreen(rect, screens) != nullptr)
        return rect;
    auto distance = [&rect](const KestoRect& screen) {
        const long long dx = std::max({screen.left - rect.right, rect.left - screen.right, 0});
        const long long dy = std::max({screen.top - rect.bottom, rect.top - screen.bottom, 0});
        return dx * dx + dy * dy;
    };
    const auto nearest = std::ranges::min_element(screens, {}, distance);
    return inside(rect, *nearest);
}

KestoRect ScreenFit::place(const std::optional<KestoRect>& stored, const KestoRect& fallback,
                           const std::vector<KestoRect>& screens, int minWidth, int minHeight) {
    KestoRect rect = fallback;
    if (stored && stored->right - stored->left >= minWidth && stored->bottom - stored->top >= minHeight &&
        bestScreen(*stored, screens) != nullptr)
        rect = *stored;
    if (const KestoRect* screen = bestScreen(rect, screens))
        return inside(rect, *screen);
    return screens.empty() ? rect : inside(rect, screens.front());
}

} // namespace kesto
