// Placing kept window rectangles on the screens: damaged, too small or lost ones give way to
// the default, and what is shown lies fully on a screen.
#include "minimode/screen_fit.h"
#include "settings/rect_value.h"

#include "tests/minimode/kesto_rect_compare.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

const std::vector<KestoRect> kScreens{{0, 0, 1024, 768}};

KestoRect placeText(const char* stored) {
    const KestoRect fallback = ScreenFit::centred(kScreens.front(), 351, 222);
    return ScreenFit::place(RectValue::parse(stored), fallback, kScreens, 200, 120);
}

TEST(ScreenFit, DamagedTooSmallOrLostRectanglesGiveTheDefault) {
    const KestoRect centred{336, 273, 687, 495};
    for (const char* stored : {"", "12,abc,5,9", "1,2,3", "1,2,3,4,5", "400,10,20,260", "10,400,260,20",
                               "10,100,20,60", "5000,5400,5000,5300", "-900,-500,-900,-500", "1,,2,3",
                               "-2147483648,2147483647,0,10", "99999999999,1,2,3"})
        EXPECT_EQ(placeText(stored), centred) << stored;
}

TEST(ScreenFit, APartlyLostRectangleIsMovedFullyOnScreen) {
    EXPECT_EQ(placeText("900,1251,700,922"), (KestoRect{673, 546, 1024, 768}));
    EXPECT_EQ(placeText("-100,251,-50,172"), (KestoRect{0, 0, 351, 222}));
    // Larger than the screen: it is cut to the screen.
    EXPECT_EQ(placeText("-10,2000,-10,2000"), (KestoRect{0, 0, 1024, 768}));
}

} // namespace
} // namespace kesto
