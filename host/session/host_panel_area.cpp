#include "host/session/host_panel_area.h"

#include "include/kesto/window_message.h"

#include <QPainter>

namespace kesto {

HostPanelArea::HostPanelArea(QWidget* parent) : QWidget(parent) {
    setMinimumSize(640, 360);
    setAttribute(Qt::WA_StyledBackground);
}

bool HostPanelArea::event(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType())
        return QWidget::event(event);
    // A fixed event type on both sides; dynamic_cast is unreliable across the module boundary.
    const auto* message = static_cast<WindowMessageEvent*>(event);
    emit messageArrived(message->message(), message->wParam(), message->lParam());
    return true;
}

void HostPanelArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xF4, 0xF4, 0xF4));
    // The panel, once created, covers this.
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(rect(), Qt::AlignCenter, tr("The list panel appears here"));
}

} // namespace kesto
