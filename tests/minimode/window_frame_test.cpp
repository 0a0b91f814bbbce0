// The mini play list's frame: hit zones and snapping (resizing and docking: through the panel).
#include "minimode/window_frame.h"

#include "tests/minimode/kesto_rect_compare.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kesto
