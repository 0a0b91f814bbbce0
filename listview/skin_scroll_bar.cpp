#include "listview/skin_scroll_bar.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace kesto {

SkinScrollBar::SkinScrollBar(Qt::Orientation orientation, bool miniList, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setObjectName("ScrollBarForListTree");
    const int thickness = miniList ? kMiniThickness : kThickness;
    orientation == Qt::Vertical ? setFixedWidth(thickness) : setFixedHeight(thickness);
}

QSize SkinScrollBar::sizeHint() const {
    // The fixed thickness, where the scroll area looks when it lays the bar out.
    const QSize hint = QScrollBar::sizeHint();
    return orientation() == Qt::Vertical ? QSize(minimumWidth(), hint.height())
                                         : QSize(hint.width(), minimumHeight());
}

void SkinScrollBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(247, 247, 247));
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(181, 183, 161));
    painter.drawRect(handle.adjusted(1, 1, -2, -2));
}

} // namespace kesto
