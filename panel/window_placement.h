#pragma once
// Entry 18 on a Qt window: the position, size, stacking and visibility of SetWindowPos, with
// its flag values and insert-after handles (include/kesto/panel_api.h).

class QWidget;

namespace kesto {

class WindowPlacement {
public:
    // 1 when the window was placed, 0 without a window.
    static int apply(QWidget* window, void* insertAfter, int x, int y, int cx, int cy, unsigned flags);

private:
    static void restack(QWidget* window, void* insertAfter);
};

} // namespace kesto
