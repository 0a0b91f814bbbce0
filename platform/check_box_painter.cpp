#include "platform/check_box_painter.h"

#include <QPainter>

namespace kesto {

void CheckBoxPainter::paint(QPainter& painter, const QRect& rect, bool checked) {
    const QRect box(rect.center().x() - kSize / 2, rect.center().y() - kSize / 2, kSize, kSize);
    painter.save();
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(Qt::white);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (checked) {
        QPen pen(QColor(0, 141, 190), 2);
        painter.setPen(pen);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPolyline(QPolygon(
            {box.topLeft() + QPoint(3, 6), box.topLeft() + QPoint(5, 9), box.topLeft() + QPoint(10, 3)}));
    }
    painter.restore();
}

} // namespace kesto
