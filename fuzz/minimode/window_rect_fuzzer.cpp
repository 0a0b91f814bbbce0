// A window rectangle read from the settings file, whatever its text: what is parsed writes
// back to the same rectangle, and the window placed from it lies fully on a screen, at least
// as large as the minimum where the screen allows.
#include "minimode/screen_fit.h"
#include "settings/rect_value.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool inside(const KestoRect& r, const KestoRect& screen) {
    return r.left >= screen.left && r.top >= screen.top && r.right <= screen.right &&
           r.bottom <= screen.bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kesto;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = RectValue::parse(text);
    if (parsed) {
        check(parsed->right > parsed->left && parsed->bottom > parsed->top);
        const auto again = RectValue::parse(RectValue::format(*parsed));
        check(again && again->left == parsed->left && again->top == parsed->top &&
              again->right == parsed->right && again->bottom == parsed->bottom);
    }
    const std::vector<KestoRect> screens{{0, 0, 1024, 768}, {1024, -200, 2944, 880}};
    const KestoRect fallback = ScreenFit::centred(screens.front(), 351, 222);
    const KestoRect placed = ScreenFit::place(parsed, fallback, screens, 351, 165);
    check(inside(placed, screens[0]) || inside(placed, screens[1]));
    check(placed.right - placed.left >= 351 && placed.bottom - placed.top >= 165);
    return 0;
}
