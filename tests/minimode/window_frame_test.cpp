// The mini play list's frame: hit zones and snapping (resizing and docking: through the panel);
// placing kept window rectangles on the screens: damaged, too small or lost ones give way to
// the default, and what is shown lies fully on a screen.
#include "minimode/screen_fit.h"
#include "minimode/window_frame.h"
#include "settings/rect_value.h"

#include <gtest/gtest.h>

#include <ostream>

// KestoRect compared and printed in expectations (found by argument lookup: global).
inline bool operator==(const KestoRect& a, const KestoRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const KestoRect& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace kesto {
namespace {

TEST(WindowFrame, CornersEdgesCaptionAndInside) {
    const int w = 351;
    const int h = 200;
    EXPECT_EQ(WindowFrame::hit(2, 3, w, h), FrameZone::TopLeft);
    EXPECT_EQ(WindowFrame::hit(w - 3, 5, w, h), FrameZone::TopRight);
    EXPECT_EQ(WindowFrame::hit(5, h - 2, w, h), FrameZone::BottomLeft);
    // The bottom-right grip is 20 pixels square.
    EXPECT_EQ(WindowFrame::hit(w - 19, h - 19, w, h), FrameZone::BottomRight);
    EXPECT_EQ(WindowFrame::hit(w - 21, h - 1, w, h), FrameZone::Bottom);
    EXPECT_EQ(WindowFrame::hit(1, 100, w, h), FrameZone::Left);
    EXPECT_EQ(WindowFrame::hit(w - 1, 100, w, h), FrameZone::Right);
    EXPECT_EQ(WindowFrame::hit(100, 1, w, h), FrameZone::Top);
    EXPECT_EQ(WindowFrame::hit(100, 16, w, h), FrameZone::Caption);
    EXPECT_EQ(WindowFrame::hit(100, 17, w, h), FrameZone::Inside);
    EXPECT_EQ(WindowFrame::hit(2, 100, w, h), FrameZone::Inside);
    EXPECT_EQ(WindowFrame::hit(-1, 100, w, h), FrameZone::Inside);
}

TEST(WindowFrame, EdgesWithinTenPixelsInsideAScreenEdgeSnapToIt) {
    const std::vector<KestoRect> areas{{0, 0, 1024, 740}, {0, 0, 1024, 768}};
    EXPECT_EQ(WindowFrame::snapped({8, 300, 359, 500}, areas), (KestoRect{0, 300, 351, 500}));
    EXPECT_EQ(WindowFrame::snapped({600, 5, 951, 205}, areas), (KestoRect{600, 0, 951, 200}));
    // The bottom snaps to the work area above the task bar.
    EXPECT_EQ(WindowFrame::snapped({600, 535, 951, 735}, areas), (KestoRect{600, 540, 951, 740}));
    EXPECT_EQ(WindowFrame::snapped({665, 300, 1016, 500}, areas), (KestoRect{673, 300, 1024, 500}));
    // Farther than ten pixels, or outside: no snap.
    EXPECT_EQ(WindowFrame::snapped({11, 300, 362, 500}, areas), (KestoRect{11, 300, 362, 500}));
    EXPECT_EQ(WindowFrame::snapped({-5, 300, 346, 500}, areas), (KestoRect{-5, 300, 346, 500}));
}

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
