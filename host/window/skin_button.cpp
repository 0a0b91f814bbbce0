#include "host/window/skin_button.h"

#include "host/window/skin_images.h"

#include <QPainter>
#include <QPainterPath>

namespace kesto {
namespace {
constexpr qreal kFaded = 0.45;
constexpr qreal kHoverLight = 0.18;
constexpr qreal kRadius = 5;
const QColor kFocus(0x1A, 0x3E, 0x72);
} // namespace

SkinButton::SkinButton(int imageId, const QString& text, QWidget* parent)
    : QPushButton(text, parent), imageId_(imageId) {
    setAttribute(Qt::WA_Hover);
}

void SkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF box = QRectF(rect()).translated(0, isDown() ? 1 : 0);
    if (!isEnabled())
        painter.setOpacity(kFaded);
    SkinImages::paint(painter, box, imageId_);
    painter.setOpacity(1);
    const QRectF edge = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (isEnabled() && underMouse() && !isDown()) {
        QPainterPath shape;
        shape.addRoundedRect(edge, kRadius, kRadius);
        painter.fillPath(shape, QColor(255, 255, 255, static_cast<int>(255 * kHoverLight)));
    }
    if (hasFocus()) {
        painter.setPen(QPen(kFocus, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(edge, kRadius, kRadius);
    }
}

} // namespace kesto
