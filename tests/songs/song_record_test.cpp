#include "songs/song_record.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(SongRecord, NewRecordIsEmptyAndServiceable) {
    const SongRecord r = SongRecord::make();
    EXPECT_EQ(r.Serviceable, 1);
    EXPECT_STREQ(r.Song_ID, "");
    EXPECT_EQ(r.Play_Time, 0);
    EXPECT_TRUE(r.isStreaming());
    EXPECT_FALSE(r.isGrey());
}

TEST(SongRecord, CopyIsCutToTheFieldAndTerminated) {
    SongRecord r = SongRecord::make();
    EXPECT_EQ(copyField(r.Menu_ID, "1234567890"), 5u);
    EXPECT_STREQ(r.Menu_ID, "12345");
    // A two-byte character that does not fit whole is left out.
    EXPECT_EQ(copyField(r.Menu_ID, "1234\xB0\xA1"), 4u);
    EXPECT_STREQ(r.Menu_ID, "1234");
    // An embedded NUL ends the text.
    copyField(r.Song_ID, std::string_view("ab\0cd", 5));
    EXPECT_STREQ(r.Song_ID, "ab");
    copyField(r.Menu_ID, "238");
    EXPECT_TRUE(r.isMp3Bell());
}

} // namespace
} // namespace kesto
