// The mini play list's layout and total line, without a display.
#include "minimode/mini_ids.h"
#include "minimode/mini_layout.h"
#include "minimode/mini_totals.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(MiniLayout, ListAndSongColumnFollowTheWindowSize) {
    const MiniLayout smallest(MiniLayout::kMinWidth, MiniLayout::kMinHeight);
    EXPECT_EQ(smallest.list(), (MiniBox{7, 44, 335, 63})); // 351 wide: a list 335 wide
    EXPECT_EQ(smallest.songColumnWidth(), 225);
    const MiniLayout wide(500, 400);
    EXPECT_EQ(wide.list(), (MiniBox{7, 44, 484, 298}));
    EXPECT_EQ(wide.songColumnWidth(), 374);
}

TEST(MiniLayout, ButtonsStandOnOneRowAboveTheBottomAndTheCloseButtonTopRight) {
    const MiniLayout layout(400, 300);
    const int row = 300 - 30;
    EXPECT_EQ(layout.button(mini::kAddButton), (MiniBox{6, row, 52, 24}));
    EXPECT_EQ(layout.button(mini::kDeleteButton), (MiniBox{58, row, 52, 24}));
    EXPECT_EQ(layout.button(mini::kPutButton), (MiniBox{110, row, 52, 24}));
    EXPECT_EQ(layout.button(mini::kGiftButton), (MiniBox{162, row, 52, 24}));
    EXPECT_EQ(layout.button(mini::kListenButton), (MiniBox{400 - 128, row, 71, 24}));
    EXPECT_EQ(layout.button(mini::kDownloadButton), (MiniBox{400 - 57, row, 52, 24}));
    EXPECT_EQ(layout.button(mini::kCloseButton), (MiniBox{400 - 22, 3, 14, 13}));
    ASSERT_TRUE(layout.button(mini::kCheckAllButton));
    EXPECT_GE(layout.button(mini::kCheckAllButton)->y, MiniLayout::kHeadingsTop);
    EXPECT_FALSE(layout.button(999));
}

TEST(MiniLayout, PopupsOpenAtTheRightEdgeOfTheirButtonAboveTheRow) {
    const MiniLayout layout(351, 165);
    for (const int id : {mini::kAddButton, mini::kDeleteButton, mini::kPutButton}) {
        const auto offset = MiniLayout::popupOffset(id);
        ASSERT_TRUE(offset);
        EXPECT_EQ(offset->fromLeft, layout.button(id)->x + layout.button(id)->width);
    }
    EXPECT_EQ(MiniLayout::popupOffset(mini::kAddButton)->aboveBottom, 106);
    EXPECT_EQ(MiniLayout::popupOffset(mini::kDeleteButton)->aboveBottom, 70);
    EXPECT_EQ(MiniLayout::popupOffset(mini::kPutButton)->aboveBottom, 88);
    EXPECT_FALSE(MiniLayout::popupOffset(mini::kListenButton));
}

TEST(MiniLayout, HeadingsLineAndTimeHeadingFromTheRight) {
    const MiniLayout layout(351, 200);
    EXPECT_EQ(layout.headings(), (MiniBox{0, 25, 351, 15}));
    EXPECT_EQ(layout.timeHeadingX(), 301);
    // The total line sits between the list and the buttons.
    const MiniBox total = layout.totalLine();
    EXPECT_GE(total.y, layout.list().y + layout.list().height);
    EXPECT_LE(total.y + total.height, layout.button(mini::kAddButton)->y);
}

TEST(MiniTotals, CountsSongsAndSplitsTheTimeIntoHoursMinutesSeconds) {
    EXPECT_EQ(MiniTotals::text(0, 0), "0곡 | 00:00:00");
    EXPECT_EQ(MiniTotals::text(3, 3 * 60 + 5), "3곡 | 00:03:05");
    EXPECT_EQ(MiniTotals::text(120, 7 * 3600 + 59 * 60 + 59), "120곡 | 07:59:59");
    EXPECT_EQ(MiniTotals::text(1, 100 * 3600), "1곡 | 100:00:00");
    EXPECT_EQ(MiniTotals::text(1, -5), "1곡 | 00:00:00");
}

} // namespace
} // namespace kesto
