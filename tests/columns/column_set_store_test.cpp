#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "memory_column_settings.h"
#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::MemoryColumnSettings;

struct ColumnSetStoreTest : ::testing::Test {
    MemoryColumnSettings settings;
    ColumnSetStore store{settings};

    void saveDefaults(int pageKind) {
        store.saveSet(pageKind, DefaultColumnSets::forPageKind(pageKind), false);
    }
};

TEST_F(ColumnSetStoreTest, NothingStoredGivesTheDefaultSet) {
    bool usedDefault = false;
    const auto set = store.load(1, false, &usedDefault);
    EXPECT_TRUE(usedDefault);
    ASSERT_EQ(set.size(), 11u);
    EXPECT_EQ(set[2].width, 40); // the default "No." width is not raised
}

// A narrow stored width is raised to 55 (the list view's tests); a wide one stays unless forced.
TEST_F(ColumnSetStoreTest, NumberWidthIsKeptOrForced) {
    saveDefaults(1);
    settings.find(1, "3")->at("Width") = "70";
    EXPECT_EQ(store.load(1, false)[2].width, 70);
    EXPECT_EQ(store.load(1, true)[2].width, 40);
}

TEST_F(ColumnSetStoreTest, RankSuppressionShowsEverythingAndSavesNothing) {
    auto set = DefaultColumnSets::forPageKind(19);
    set[4].hidden = 1;
    store.saveSet(19, set, false);
    EXPECT_EQ(settings.find(19, "28")->at("Show"), "0"); // a hidden Rank is written as shown
    EXPECT_EQ(settings.find(19, "28")->at("Width"), "40");
    settings.find(19, "6")->at("Show") = "1";
    EXPECT_EQ(store.load(19, true)[6].hidden, 0);
    const int writes = settings.writes;
    store.saveSet(19, set, true);
    EXPECT_EQ(settings.writes, writes);
}

TEST_F(ColumnSetStoreTest, BrokenEntriesFallBackToDefaults) {
    const auto check = [&](auto&& damage, std::size_t keysLeft, const char* what) {
        settings.pages.clear();
        saveDefaults(1);
        damage();
        bool usedDefault = false;
        EXPECT_EQ(store.load(1, false, &usedDefault).size(), 11u) << what;
        EXPECT_TRUE(usedDefault) << what;
        EXPECT_EQ(settings.pages[1].size(), keysLeft) << what; // only an unknown column is deleted
    };
    check([&] { settings.find(1, "6")->at("Index") = "-2"; }, 11, "index below -1");
    check([&] { settings.find(1, "6")->at("Show") = "-5"; }, 11, "show below -1");
    check([&] { settings.find(1, "6")->at("Index") = "x"; }, 11, "unreadable index");
    check([&] { settings.find(1, "6")->erase("Name"); }, 11, "missing name");
    check([&] { settings.find(1, "5")->erase("Width"); }, 11, "missing width of a shown column");
    check([&] { settings.find(1, "6")->at("Name") = "Other"; }, 10, "unknown title");
    check([&] { settings.remove(1, "10"); }, 10, "one column fewer");
    check([&] { settings.find(1, "6")->at("Index") = "5"; }, 11, "two columns at one place");
}

TEST_F(ColumnSetStoreTest, SaveColumnLeavesUnwrittenValues) {
    store.saveColumn(2, col::kArtist, ColumnSetStore::kLeaveUnwritten, 4, "A", 1);
    const auto* values = settings.find(2, "6");
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->size(), 3u);
    EXPECT_EQ(values->at("Index"), "4");
}

} // namespace
} // namespace kesto
