#pragma once
// A flat check box of the skins, for cells and headers that draw their own.

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
