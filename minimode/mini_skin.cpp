#include "minimode/mini_skin.h"

#include "songs/startup_values.h"

namespace kesto {

namespace {

QColor colorOf(std::int32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

std::optional<MiniSkin::Colors> MiniSkin::apply(KestoHostTable skin, QWidget* window) {
    if (auto dress = StartupValues::slotAs<KestoSkinApplyWindowFn>(skin, KESTO_SKIN_APPLY_WINDOW))
        dress(window, 1);
    auto text = StartupValues::slotAs<KestoSkinColorFn>(skin, KESTO_SKIN_TEXT_COLOR);
    auto back = StartupValues::slotAs<KestoSkinColorFn>(skin, KESTO_SKIN_BACK_COLOR);
    if (text == nullptr || back == nullptr)
        return std::nullopt;
    return Colors{colorOf(text()), colorOf(back())};
}

} // namespace kesto
