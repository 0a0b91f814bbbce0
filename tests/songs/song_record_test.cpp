#include "songs/song.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(Song, NewRecordIsEmptyAndServiceable) {
    const Song r;
    EXPECT_EQ(r.Serviceable, 1);
    EXPECT_STREQ(r.text(SongField::Song_ID), "");
    EXPECT_EQ(r.Play_Time, 0);
    EXPECT_TRUE(r.isStreaming());
    EXPECT_FALSE(r.isGrey());
}

TEST(Song, CopyIsCutToTheFieldAndTerminated) {
    Song r;
    EXPECT_EQ(r.setText(SongField::Menu_ID, "1234567890"), 5u);
    EXPECT_STREQ(r.text(SongField::Menu_ID), "12345");
    // A two-byte character that does not fit whole is left out.
    EXPECT_EQ(r.setText(SongField::Menu_ID, "1234\xB0\xA1"), 4u);
    EXPECT_STREQ(r.text(SongField::Menu_ID), "1234");
    // An embedded NUL ends the text.
    r.setText(SongField::Song_ID, std::string_view("ab\0cd", 5));
    EXPECT_STREQ(r.text(SongField::Song_ID), "ab");
    r.setText(SongField::Menu_ID, "238");
    EXPECT_TRUE(r.isMp3Bell());
}

TEST(Song, MovingLeavesAnEmptySong) {
    Song from;
    from.setText(SongField::Song_Name, "title");
    from.setText(SongField::Local_Path, "/a.mp3");
    from.Play_Time = 7;
    const Song to(std::move(from));
    EXPECT_STREQ(to.text(SongField::Song_Name), "title");
    EXPECT_EQ(to.Play_Time, 7);
    // NOLINTBEGIN(bugprone-use-after-move): what is left behind is the point
    EXPECT_STREQ(from.text(SongField::Song_Name), "");
    EXPECT_TRUE(from.isStreaming());
    EXPECT_EQ(from.Play_Time, 0);
    Song assigned;
    assigned.setText(SongField::Song_ID, "9");
    from = to;
    assigned = std::move(from);
    EXPECT_STREQ(assigned.text(SongField::Local_Path), "/a.mp3");
    EXPECT_STREQ(from.text(SongField::Local_Path), "");
    EXPECT_EQ(from.Serviceable, 1);
    // NOLINTEND(bugprone-use-after-move)
}

} // namespace
} // namespace kesto
