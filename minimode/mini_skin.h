#pragma once
// The host's skin on a mini window: the frame it applies, and its text and back colours.

#include "include/kesto/panel_api.h"

#include <QColor>

#include <optional>
#include <utility>

class QWidget;

namespace kesto {

class MiniSkin {
public:
    using Colors = std::pair<QColor, QColor>; // text, back
    // Lets the skin table dress the window; the colours when the table gives both.
    static std::optional<Colors> apply(KestoHostTable skin, QWidget* window);
};

} // namespace kesto
