#pragma once
// The web view's skinned scroll bars: the host's skin images "scrollbarVThumb", "scrollbarUp",
// "scrollbarDown", "scrollbarHThumb", "scrollbarLeft" and "scrollbarRight" drawn as the engine's
// scroll bars by a style sheet, each image inline as a data address. A host that lacks any of
// them keeps the engine's own bars.

#include "include/kesto/panel_api.h"

#include <QString>

namespace kesto {

class ScrollBarSkin {
public:
    static constexpr int kThickness = 14; // as the list's own bars
    static constexpr const char* kStyleId = "kesto-scroll-bars";

    // The style sheet, or empty when the table lacks an image.
    static QString styleSheet(KestoHostTable skin);
    // A script that puts the style sheet into a document; empty for an empty sheet.
    static QString script(const QString& styleSheet);
};

} // namespace kesto
