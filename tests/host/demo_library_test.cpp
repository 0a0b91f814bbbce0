// The demo library as the host reads it back: the tags of its generated files through the
// host's tag reader (table B entry 22) and its two lists in the album database.
#include "host/data_folder.h"
#include "host/demo_library.h"
#include "host/play_list_maker.h"
#include "host/tag_reader.h"
#include "include/kesto/panel_api.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kesto {
namespace {

std::int32_t intAt(const std::array<char, KESTO_TAG_BUFFER_SIZE>& tags, int offset) {
    std::int32_t value = 0;
    std::memcpy(&value, tags.data() + offset, sizeof value);
    return value;
}

TEST(DemoLibrary, FilesCarryTheTagsTheHostReadsBack) {
    test::TempFolder data;
    std::string why;
    ASSERT_TRUE(DemoLibrary::ensure(data.path(), why)) << why;
    const auto folder = DemoLibrary::folderIn(data.path());
    bool korean = false;
    bool latin = false;
    for (const DemoSong& song : DemoLibrary::songs()) {
        std::array<char, KESTO_TAG_BUFFER_SIZE> tags{};
        ASSERT_EQ(TagReader::read((folder / song.file).c_str(), tags.data()), 1) << song.file;
        EXPECT_EQ(std::string(tags.data() + KESTO_TAG_TITLE), Cp949::fromUtf8(song.title));
        EXPECT_EQ(std::string(tags.data() + KESTO_TAG_ARTIST), Cp949::fromUtf8(song.artist));
        EXPECT_EQ(std::string(tags.data() + KESTO_TAG_ALBUM), Cp949::fromUtf8(DemoLibrary::kAlbumTag));
        EXPECT_NEAR(intAt(tags, KESTO_TAG_PLAY_TIME), song.seconds, 1) << song.file;
        EXPECT_EQ(intAt(tags, KESTO_TAG_BITRATE), 64000);
        EXPECT_GT(intAt(tags, KESTO_TAG_FILE_SIZE), song.seconds * 7000);
        korean = korean || static_cast<unsigned char>(song.title[0]) >= 0x80;
        latin = latin || static_cast<unsigned char>(song.title[0]) < 0x80;
    }
    EXPECT_TRUE(korean && latin);
}

TEST(DemoLibrary, MadeOnceIntoAnAlbumAndAPlayList) {
    test::TempFolder data;
    std::string why;
    ASSERT_TRUE(DemoLibrary::ensure(data.path(), why)) << why;
    // A second start leaves the user's library as it is.
    EXPECT_FALSE(DemoLibrary::ensure(data.path(), why));
    EXPECT_TRUE(why.empty());
    MyAlbumDb db;
    ASSERT_TRUE(db.start(data.path()));
    EXPECT_EQ(Cp949::toUtf8(db.albumName(DemoLibrary::kAlbumId)), "데모 앨범");
    EXPECT_EQ(Cp949::toUtf8(db.albumName(DemoLibrary::kPlayListId)), "드라이브 플레이리스트");
    AlbumSongList album;
    AlbumSongList playList;
    ASSERT_TRUE(db.listAlbumSongs(DemoLibrary::kAlbumId, album));
    ASSERT_TRUE(db.listAlbumSongs(DemoLibrary::kPlayListId, playList));
    EXPECT_EQ(album.size(), DemoLibrary::songs().size());
    std::size_t inPlayList = 0;
    for (const DemoSong& song : DemoLibrary::songs())
        inPlayList += song.inPlayList ? 1 : 0;
    EXPECT_EQ(playList.size(), inPlayList);
    // A file in both lists is one song: the play list row shares the album row's song id.
    EXPECT_EQ(playList.songIds[0], album.songIds[0]);
}

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

TEST(DataFolder, FreshFolderHoldsTheSettingsAndGoesAtTheEnd) {
    const char* saved = std::getenv("KESTO_REGISTRY_FILE");
    const std::string keep = saved != nullptr ? saved : "";
    ::unsetenv("KESTO_REGISTRY_FILE");
    std::filesystem::path made;
    {
        DataFolder folder;
        std::string why;
        ASSERT_TRUE(folder.open(DataFolder::Kind::Fresh, {}, why)) << why;
        made = folder.path();
        EXPECT_TRUE(std::filesystem::is_directory(made));
        EXPECT_EQ(std::string(std::getenv("KESTO_REGISTRY_FILE")), (made / "registry.reg").string());
        std::filesystem::create_directories(made / "service");
    }
    EXPECT_FALSE(std::filesystem::exists(made));
    saved != nullptr ? ::setenv("KESTO_REGISTRY_FILE", keep.c_str(), 1) : ::unsetenv("KESTO_REGISTRY_FILE");
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
