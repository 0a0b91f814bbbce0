// The mini play list's frame: hit zones, resizing with its minimum, snapping, docking.
#include "minimode/mini_layout.h"
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

TEST(WindowFrame, ResizingNeverGoesBelowTheMinimumAndKeepsTheOppositeEdges) {
    const KestoRect start{100, 100, 500, 400};
    const auto min = [](const KestoRect& r, FrameZone z, int dx, int dy) {
        return WindowFrame::resized(r, z, dx, dy, MiniLayout::kMinWidth, MiniLayout::kMinHeight);
    };
    // Dragging the grip to make it 200 × 100 leaves 351 × 165.
    EXPECT_EQ(min(start, FrameZone::BottomRight, -200, -200), (KestoRect{100, 100, 451, 265}));
    EXPECT_EQ(min(start, FrameZone::TopLeft, 300, 300), (KestoRect{149, 235, 500, 400}));
    EXPECT_EQ(min(start, FrameZone::Left, -50, 40), (KestoRect{50, 100, 500, 400}));
    EXPECT_EQ(min(start, FrameZone::Bottom, 70, 30), (KestoRect{100, 100, 500, 430}));
    EXPECT_EQ(min(start, FrameZone::TopRight, 10, -10), (KestoRect{100, 90, 510, 400}));
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

TEST(WindowFrame, DockedRightBelowTheHostWindow) {
    const KestoRect host{100, 100, 600, 500};
    EXPECT_TRUE(WindowFrame::docked({100, 500, 451, 700}, host));
    EXPECT_TRUE(WindowFrame::docked({550, 500, 901, 700}, host));
    EXPECT_FALSE(WindowFrame::docked({100, 501, 451, 700}, host));
    EXPECT_FALSE(WindowFrame::docked({600, 500, 951, 700}, host));
}

} // namespace
} // namespace kesto
