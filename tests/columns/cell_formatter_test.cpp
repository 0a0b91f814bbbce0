#include "columns/cell_formatter.h"
#include "columns/column_kind.h"
#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

std::string utf8(const std::string& cp949) {
    return Cp949::toUtf8(cp949);
}

TEST(CellFormatter, PlayTimeSwitchesToHoursAtOneHour) {
    EXPECT_EQ(CellFormatter::playTime(0), "00:00");
    EXPECT_EQ(CellFormatter::playTime(3599), "59:59");
    EXPECT_EQ(CellFormatter::playTime(3600), "01:00:00");
    EXPECT_EQ(CellFormatter::playTime(3 * 3600 + 62), "03:01:02");
    EXPECT_EQ(utf8(CellFormatter::listTotal(12, 3725)), "12 곡, 01:02:05");
}

TEST(CellFormatter, DatesByLength) {
    EXPECT_EQ(CellFormatter::dateTime("20240131235958"), "2024-01-31 23:59:58");
    EXPECT_EQ(CellFormatter::dateTime("20240131"), "2024-01-31");
    EXPECT_EQ(CellFormatter::dateTime("2024013123595"), "2024-01-31");
    EXPECT_EQ(CellFormatter::dateTime("2024013"), "2024013");
    EXPECT_EQ(CellFormatter::dateTime(""), "");
}

TEST(CellFormatter, FormatsQualityAndSize) {
    Song r;
    EXPECT_EQ(CellFormatter::fileFormat(4), "dcf");
    EXPECT_EQ(CellFormatter::fileFormat(9), "bell");
    EXPECT_EQ(CellFormatter::fileFormat(10), "");

    r.setText(SongField::Quality_Flags, "011000");
    EXPECT_EQ(CellFormatter::quality(r), "192 kbps");
    r.setText(SongField::Quality_Flags, "001000");
    EXPECT_EQ(CellFormatter::quality(r), "64 kbps");
    r.setText(SongField::Quality_Flags, "000000");
    EXPECT_EQ(CellFormatter::quality(r), "");
    r.setText(SongField::Quality_Flags, "11111"); // five characters: the bit rate decides
    r.Bitrate = 320000;
    EXPECT_EQ(CellFormatter::quality(r), "320  kbps");

    EXPECT_EQ(CellFormatter::size(3407872, false), "3.25 MB");
    EXPECT_EQ(CellFormatter::size(3407872, true), "3.25M");
}

TEST(CellFormatter, ExpiryOfFreeClubFiles) {
    Song r;
    r.setText(SongField::Expire_Date, "20250101120000");
    r.File_Format = 4;
    EXPECT_EQ(utf8(CellFormatter::expiry(r, 4)), "프리클럽 해지월까지");
    EXPECT_EQ(CellFormatter::expiry(r, 12), "2025-01-01 12:00:00"); // device pages show the date
    r.setText(SongField::Expire_Date, "20991231000000");
    EXPECT_EQ(CellFormatter::expiry(r, 4), "");
    r.File_Format = 3;
    EXPECT_EQ(CellFormatter::expiry(r, 4), "2099-12-31 00:00:00");
}

TEST(CellFormatter, RankChange) {
    RankTrend trend = RankTrend::None;
    EXPECT_EQ(utf8(CellFormatter::rankChange("new", &trend)), "진입");
    EXPECT_EQ(trend, RankTrend::New);
    EXPECT_EQ(CellFormatter::rankChange("No", &trend), "");
    EXPECT_EQ(trend, RankTrend::None);
    EXPECT_EQ(CellFormatter::rankChange("0", &trend), " - ");
    EXPECT_EQ(trend, RankTrend::Same);
    EXPECT_EQ(utf8(CellFormatter::rankChange("3", &trend)), "↑ 3");
    EXPECT_EQ(trend, RankTrend::Up);
    EXPECT_EQ(utf8(CellFormatter::rankChange("-12", &trend)), "↓ -12");
    EXPECT_EQ(trend, RankTrend::Down);
}

TEST(CellFormatter, SectionGiftStateAndTextKinds) {
    EXPECT_EQ(CellFormatter::section("65", "125"), "01:05/02:05");
    EXPECT_EQ(utf8(CellFormatter::giftState("03")), "자동취소");
    EXPECT_EQ(CellFormatter::giftState("06"), "");
    EXPECT_EQ(CellFormatter::giftState("3"), "");

    Song r;
    r.setText(SongField::Song_Name, "Title");
    r.setText(SongField::Artist_Name, "Artist");
    r.setText(SongField::Local_Path, "/music/dir/file.mp3");
    r.Listen_Count = 7;
    CellContext context{.pageKind = 6, .row = 4};
    EXPECT_EQ(CellFormatter::format(col::kNumber, r, context), "5");
    EXPECT_EQ(CellFormatter::format(col::kFileName, r, context), "file.mp3");
    EXPECT_EQ(CellFormatter::format(col::kListenCount, r, context), "7");
    EXPECT_EQ(CellFormatter::format(col::kLyrics, r, context), "");
    context.miniList = true;
    EXPECT_EQ(CellFormatter::format(col::kSongName, r, context), "5.Title - Artist");
}

} // namespace
} // namespace kesto
