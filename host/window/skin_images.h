#pragma once
// The reference skin: rounded buttons in one family of blues and the band behind them, drawn
// with QPainter (the table's images once, kept for the process; a button at its own size),
// and the skin table entries built on them.

#include "include/kesto/panel_api.h"

#include <QPixmap>

class QPainter;
class QRectF;

namespace kesto {

class SkinImages {
public:
    // The image for an id (never null; drawn on first use).
    static QPixmap* image(int imageId);
    // The button image of an id drawn into area.
    static void paint(QPainter& painter, const QRectF& area, int imageId);

    // Skin table entries.
    static void* tableImage(int imageId);
    static void* createButton(void* parent, int controlId, int imageId, const KestoRect* rect);
    static void applyWindow(void* window, int flag);
    static std::int32_t textColor();
    static void buttonReady(void* button);
    static std::int32_t backColor();

private:
    static QPixmap draw(int imageId);
};

} // namespace kesto
