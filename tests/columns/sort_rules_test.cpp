#include "columns/sort_rules.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(SortRules, FixedColumnsByPageKind) {
    for (int column : {0, 1, 2, 3, 8, 9, 10})
        EXPECT_FALSE(SortRules::isSortable(1, column, false, false)) << column;
    for (int column : {4, 5, 6, 7})
        EXPECT_TRUE(SortRules::isSortable(1, column, false, false)) << column;
    EXPECT_FALSE(SortRules::isSortable(19, 2, false, false));
    EXPECT_TRUE(SortRules::isSortable(19, 2, true, false));
    EXPECT_FALSE(SortRules::isSortable(29, 4, false, false));
    EXPECT_TRUE(SortRules::isSortable(29, 4, false, true)); // the mini list sorts everything
    EXPECT_FALSE(SortRules::isSortable(26, 0, false, false));
    EXPECT_TRUE(SortRules::isSortable(26, 1, false, false));
}

TEST(SortRules, ComparesBytesAndIntegerColumns) {
    // CP949 bytes above 0x7F sort after ASCII.
    EXPECT_LT(SortRules::compare(2, false, "Zed", "\xB0\xA1", 4, true), 0);
    EXPECT_GT(SortRules::compare(2, false, "Zed", "\xB0\xA1", 4, false), 0);
    EXPECT_LT(SortRules::compare(2, false, "B", "a", 4, true), 0); // case-sensitive
    // "64 kbps" < "128 kbps" as numbers, not as text, only where the column is an integer one.
    EXPECT_LT(SortRules::compare(4, false, "64 kbps", "128 kbps", 9, true), 0);
    EXPECT_GT(SortRules::compare(5, false, "64 kbps", "128 kbps", 9, true), 0);
    EXPECT_EQ(SortRules::compare(6, false, "3.25 MB", "3.99 MB", 6, true), 0);
    EXPECT_LT(SortRules::compare(19, false, "9", "10", 1, true), 0);
    EXPECT_EQ(SortRules::compare(1, false, "a", "b", 11, true), 0); // beyond the comparator's columns
    EXPECT_EQ(SortRules::comparatorOf(25), 12);
    EXPECT_EQ(SortRules::comparatorOf(31), 14);
    EXPECT_EQ(SortRules::comparatorOf(28), 0);
    EXPECT_LT(SortRules::compare(1, true, "9.Alpha - x", "1.Beta - y", 2, true), 0);
}

} // namespace
} // namespace kesto
