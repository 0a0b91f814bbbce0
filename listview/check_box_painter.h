#pragma once
// The check box drawn in check cells and in the check column's header.

#include <QRect>

class QPainter;

namespace kesto {

class CheckBoxPainter {
public:
    static constexpr int kSize = 13;
    // Centred in rect.
    static void paint(QPainter& painter, const QRect& rect, bool checked);
};

} // namespace kesto
