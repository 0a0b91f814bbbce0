// The player's play lists in the album database of its data folder, and the user's own data
// folder.
#include "host/demo/demo_library.h"
#include "host/library/play_list_maker.h"
#include "host/session/data_folder.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kesto {
namespace {

// Host table A entry 32 makes play lists in the album database of the current folder.
TEST(PlayListMaker, NewPlayListsFollowTheLastAlbumAndKeepTheirNames) {
    test::TempFolder data;
    std::string why;
    ASSERT_TRUE(DemoLibrary::ensure(data.path(), why)) << why;
    const auto keep = std::filesystem::current_path();
    std::filesystem::current_path(data.path());
    const std::string name = Cp949::fromUtf8("비 오는 날's 노래");
    const int first = PlayListMaker::create(name.c_str());
    const int second = PlayListMaker::create("Road");
    EXPECT_EQ(PlayListMaker::create(""), 0);
    std::filesystem::current_path(keep);
    EXPECT_EQ(first, std::atoi(DemoLibrary::kPlayListId) + 1);
    EXPECT_EQ(second, first + 1);
    MyAlbumDb db;
    ASSERT_TRUE(db.start(data.path()));
    EXPECT_EQ(db.albumName(std::to_string(first)), name);
    EXPECT_EQ(db.albumName(std::to_string(second)), "Road");
}

TEST(DataFolder, UserFolderFollowsXdgDataHomeAndIsKept) {
    test::TempFolder home;
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved != nullptr ? saved : "";
    ::setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    {
        DataFolder folder;
        std::string why;
        ASSERT_TRUE(folder.open(DataFolder::Kind::User, {}, why)) << why;
        EXPECT_EQ(folder.path(), home.path() / "kesto");
        EXPECT_FALSE(folder.throwaway());
    }
    EXPECT_TRUE(std::filesystem::is_directory(home.path() / "kesto"));
    saved != nullptr ? ::setenv("XDG_DATA_HOME", keep.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace kesto
