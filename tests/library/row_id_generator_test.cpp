#include "library/row_id_generator.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(RowIdGeneratorTest, SameMillisecondCountsOnByOne) {
    LocalTime now{2024, 3, 5, 10, 20, 30, 123};
    RowIdGenerator ids([&] { return now; });
    EXPECT_EQ(ids.next(), "20240305102030123");
    EXPECT_EQ(ids.next(), "20240305102030124");
    EXPECT_EQ(ids.next(), "20240305102030125");
    now.millisecond = 124; // clock behind the last ID: still increasing
    EXPECT_EQ(ids.next(), "20240305102030126");
    now.second = 31;
    EXPECT_EQ(ids.next(), "20240305102031124");
    EXPECT_EQ(ids.today(), "20240305");
}

TEST(RowIdGeneratorTest, CarryRunsThroughTheCalendar) {
    EXPECT_EQ(RowIdGenerator::successor("20240305102059999"), "20240305102100000");
    EXPECT_EQ(RowIdGenerator::successor("20231231235959999"), "20240101000000000");
    EXPECT_EQ(RowIdGenerator::successor("20240228235959999"), "20240229000000000");
    EXPECT_EQ(RowIdGenerator::successor("20230228235959999"), "20230301000000000");
    EXPECT_EQ(RowIdGenerator::successor("21000228235959999"), "21000301000000000");
    EXPECT_EQ(RowIdGenerator::successor("20000229235959999"), "20000301000000000");
    EXPECT_EQ(RowIdGenerator::successor("20240430235959999"), "20240501000000000");
}

TEST(RowIdGeneratorTest, CarryFromTheClockIntoTheNextMinute) {
    const LocalTime frozen{2024, 3, 5, 10, 20, 59, 998};
    RowIdGenerator ids([&] { return frozen; });
    EXPECT_EQ(ids.next(), "20240305102059998");
    EXPECT_EQ(ids.next(), "20240305102059999");
    EXPECT_EQ(ids.next(), "20240305102100000");
    EXPECT_EQ(ids.last(), "20240305102100000");
}

} // namespace
} // namespace kesto
