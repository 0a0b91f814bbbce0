#pragma once
// The reference skin: rounded buttons in one family of blues, drawn once with QPainter and
// kept for the process, and the skin table entries built on them.

#include "include/kesto/panel_api.h"

#include <QPixmap>

namespace kesto {

class SkinImages {
public:
    // The image for an id (never null; drawn on first use).
    static QPixmap* image(int imageId);

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
