#include "panel/window_placement.h"

#include "include/kesto/panel_api.h"

#include <QWidget>

namespace kesto {

int WindowPlacement::apply(QWidget* window, void* insertAfter, int x, int y, int cx, int cy, unsigned flags) {
    if (window == nullptr)
        return 0;
    const QPoint position = (flags & KESTO_SWP_NOMOVE) != 0 ? window->pos() : QPoint(x, y);
    const QSize size = (flags & KESTO_SWP_NOSIZE) != 0 ? window->size() : QSize(cx, cy);
    window->setGeometry(QRect(position, size));
    if ((flags & KESTO_SWP_NOZORDER) == 0)
        restack(window, insertAfter);
    if ((flags & KESTO_SWP_SHOWWINDOW) != 0)
        window->show();
    else if ((flags & KESTO_SWP_HIDEWINDOW) != 0)
        window->hide();
    return 1;
}

void WindowPlacement::restack(QWidget* window, void* insertAfter) {
    if (insertAfter == KESTO_HWND_BOTTOM) {
        window->lower();
        return;
    }
    if (insertAfter == KESTO_HWND_TOP || insertAfter == KESTO_HWND_TOPMOST ||
        insertAfter == KESTO_HWND_NOTOPMOST) {
        window->raise();
        return;
    }
    // A sibling: the window goes right below it in the stacking order.
    auto* sibling = static_cast<QWidget*>(insertAfter);
    if (sibling != window && sibling->parentWidget() == window->parentWidget())
        window->stackUnder(sibling);
}

} // namespace kesto
