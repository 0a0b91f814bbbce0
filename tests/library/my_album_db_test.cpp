#include "library/my_album_db.h"
#include "library/playlist_mover.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kesto {
namespace {

class MyAlbumDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.start(dir.path()));
        ASSERT_TRUE(db.execStatement("insert into AlbumName_tbl values ('4001','Drive');"
                                     "insert into AlbumName_tbl values ('4002','Bob''s list');"));
    }
    std::string file(const std::string& name) {
        const auto path = dir / name;
        std::ofstream(path) << "x";
        return path.string();
    }
    AlbumSong song(const std::string& album, const std::string& path, const std::string& name = "Song") {
        AlbumSong s;
        s.albumId = album;
        s.songName = name;
        s.artist = "Artist";
        s.localPath = path;
        s.date = "20240101120000";
        return s;
    }
    std::string scalar(const std::string& sql) {
        SQLite::Statement q(*db.database(), sql);
        return q.executeStep() ? q.getColumn(0).getString() : "";
    }

    test::TempFolder dir;
    LocalTime clock{2024, 6, 1, 9, 0, 0, 0};
    MyAlbumDb db{[this] { return clock; }};
};

TEST_F(MyAlbumDbTest, StartDropsRowsWithShortSongIdsAndKeepsTheRest) {
    ASSERT_TRUE(db.execStatement("insert into AlbumInfo_tbl (ID,Album_ID,Song_ID,Local_Path) values "
                                 "('1','4001','123','/a'), ('2','4001','1234','/b')"));
    MyAlbumDb again;
    ASSERT_TRUE(again.start(dir.path()));
    EXPECT_EQ(again.songIdByPath("/a"), "");
    EXPECT_EQ(again.songIdByPath("/b"), "1234");
}

TEST_F(MyAlbumDbTest, AfterARestartIdsContinueAfterThoseThatRanAheadOfTheClock) {
    // 1500 inserts within one millisecond of the clock: the ids run 1.5 s ahead of it.
    for (int i = 0; i < 1500; ++i)
        ASSERT_FALSE(db.insertSong(song("4001", "/f" + std::to_string(i))).empty());
    EXPECT_EQ(db.rowIds().last(), "20240601090001499");

    MyAlbumDb again{[this] { return clock; }};
    ASSERT_TRUE(again.start(dir.path()));
    EXPECT_EQ(again.insertSong(song("4001", "/after-restart")), "20240601090001500");
    PlaylistMover mover(again, [this] { return clock; });
    Song record{};
    record.setText(SongField::Local_Path, "/from-another-page");
    EXPECT_EQ(mover.put({record}, "4002", "", false, false).handled, 1);
    EXPECT_EQ(scalar("select count(*) from AlbumInfo_tbl"), "1502");
}

TEST_F(MyAlbumDbTest, ApostrophesInNamesAndPathsSurvive) {
    const std::string path = file("it's mine.mp3");
    const std::string id = db.insertSong(song("4002", path, "Rock 'n' Roll"));
    ASSERT_FALSE(id.empty());
    EXPECT_EQ(db.songIdByPath(path), id);
    EXPECT_TRUE(db.containsSong("4002", id, path));
    EXPECT_TRUE(db.containsSong("4002", "", path));
    EXPECT_TRUE(db.containsSong("4002", id, ""));
    EXPECT_FALSE(db.containsSong("4001", id, path));
    EXPECT_FALSE(db.containsSong("4002", "", ""));
    EXPECT_EQ(scalar("select Song_Name from AlbumInfo_tbl"), "Rock 'n' Roll");
    AlbumSongList list;
    ASSERT_TRUE(db.listAlbumSongs("4000", list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.albumNames[0], "Bob's list");
    EXPECT_EQ(list.localPaths[0], path);
    AlbumSongList album;
    ASSERT_TRUE(db.listAlbumSongs("4002", album));
    ASSERT_EQ(album.size(), 1u);
    EXPECT_EQ(db.albumName("4002"), "Bob's list");
    EXPECT_EQ(db.insertSong(song("4002", path, "again")), id);
    EXPECT_EQ(scalar("select count(*) from AlbumInfo_tbl where Local_Path='" + dir.path().string() +
                     "/it''s mine.mp3'"),
              "2");
}

TEST_F(MyAlbumDbTest, MissingFilesAreNotListedButStay) {
    const std::string gone = file("gone.mp3");
    db.insertSong(song("4001", gone));
    db.insertSong(song("4001", file("kept.mp3")));
    std::filesystem::remove(gone);
    AlbumSongList list;
    ASSERT_TRUE(db.listAlbumSongs("4001", list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_NE(list.localPaths[0], gone);
    EXPECT_FALSE(db.songIdByPath(gone).empty());
}

TEST(MyAlbumDbClosedTest, EveryOperationFailsQuietly) {
    MyAlbumDb db;
    AlbumSongList list;
    AlbumSong s;
    s.localPath = "/x";
    EXPECT_FALSE(db.execStatement("select 1"));
    EXPECT_EQ(db.insertSong(s), "");
    EXPECT_FALSE(db.listAlbumSongs("4001", list));
    EXPECT_EQ(db.albumName("1"), "");
    EXPECT_FALSE(db.containsSong("1", "2", "3"));
    test::TempFolder dir;
    std::filesystem::create_directory(dir / "Playlist");
    std::filesystem::create_directory(dir / "Playlist/MyAlbum.dbf"); // a folder where the file should be
    EXPECT_FALSE(db.start(dir.path()));
}

} // namespace
} // namespace kesto
