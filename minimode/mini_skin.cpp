#include "minimode/mini_skin.h"

#include "songs/startup_values.h"

namespace kesto {

namespace {

template <class Fn> Fn hostSlot(KestoHostTable table, int index) {
    return reinterpret_cast<Fn>(StartupValues::slot(table, index));
}

QColor colorOf(std::int32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

std::optional<MiniSkin::Colors> MiniSkin::apply(KestoHostTable skin, QWidget* window) {
    if (auto dress = hostSlot<KestoSkinApplyWindowFn>(skin, KESTO_SKIN_APPLY_WINDOW))
        dress(window, 1);
    auto text = hostSlot<KestoSkinColorFn>(skin, KESTO_SKIN_TEXT_COLOR);
    auto back = hostSlot<KestoSkinColorFn>(skin, KESTO_SKIN_BACK_COLOR);
    if (text == nullptr || back == nullptr)
        return std::nullopt;
    return Colors{colorOf(text()), colorOf(back())};
}

} // namespace kesto
