#include "library/album_creator.h"
#include "library/my_album_db.h"
#include "library/playlist_mover.h"
#include "support/temp_folder.h"
#include "tests/protocol/protocol_doubles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kesto {
namespace {

std::string scalar(MyAlbumDb& db, const std::string& sql) {
    SQLite::Statement q(*db.database(), sql);
    return q.executeStep() ? q.getColumn(0).getString() : "";
}

// The files an album lists.
std::vector<std::string> listed(MyAlbumDb& db, const char* album) {
    AlbumSongList list;
    EXPECT_TRUE(db.listAlbumSongs(album, list)) << album;
    return list.localPaths;
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
    EXPECT_EQ(scalar(db, "select count(*) from AlbumInfo_tbl"), "1502");
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
    EXPECT_EQ(scalar(db, "select Song_Name from AlbumInfo_tbl"), "Rock 'n' Roll");
    AlbumSongList list;
    ASSERT_TRUE(db.listAlbumSongs("4000", list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.albumNames[0], "Bob's list");
    EXPECT_EQ(list.localPaths[0], path);
    EXPECT_EQ(listed(db, "4002"), std::vector<std::string>{path});
    EXPECT_EQ(db.albumName("4002"), "Bob's list");
    EXPECT_EQ(db.insertSong(song("4002", path, "again")), id);
    EXPECT_EQ(scalar(db, "select count(*) from AlbumInfo_tbl where Local_Path='" + dir.path().string() +
                             "/it''s mine.mp3'"),
              "2");
}

TEST_F(MyAlbumDbTest, MissingFilesAreNotListedButStay) {
    const std::string gone = file("gone.mp3");
    const std::string kept = file("kept.mp3");
    db.insertSong(song("4001", gone));
    db.insertSong(song("4001", kept));
    std::filesystem::remove(gone);
    EXPECT_EQ(listed(db, "4001"), std::vector<std::string>{kept});
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

class PlaylistMoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.start(dir.path()));
        db.execStatement("insert into AlbumName_tbl values ('4001','One'); insert into AlbumName_tbl values "
                         "('4002','Two'); insert into AlbumName_tbl values ('4003','Three')");
        for (const char* name : {"a.mp3", "b's.mp3", "c.mp3"}) {
            std::ofstream(dir / name) << "x";
            AlbumSong listened = song("4001", (dir / name).string(), name);
            listened.listenCount = 3;
            ids.push_back(db.insertSong(listened));
        }
    }
    Song recordOf(int i) {
        Song r;
        r.setText(SongField::Song_ID, ids[static_cast<std::size_t>(i)]);
        r.setText(SongField::Local_Path, paths()[static_cast<std::size_t>(i)]);
        return r;
    }
    std::vector<std::string> paths() {
        return {(dir / "a.mp3").string(), (dir / "b's.mp3").string(), (dir / "c.mp3").string()};
    }

    test::TempFolder dir;
    MyAlbumDb db;
    std::vector<std::string> ids;
    LocalTime clock{2030, 1, 1, 0, 0, 0, 0};
    PlaylistMover mover{db, [this] { return clock; }};
};

TEST_F(PlaylistMoverTest, MoveKeepsTheRowAndSkipsSongsAlreadyThere) {
    db.execStatement("update AlbumInfo_tbl set Album_ID='4002' where Song_ID='" + ids[2] + "'");
    const std::string rowId = scalar(db, "select ID from AlbumInfo_tbl where Song_ID='" + ids[1] + "'");
    // c is in 4002 already: a copy of it sits in 4001 too.
    db.insertSong(song("4001", paths()[2]));
    const auto result = mover.put({recordOf(0), recordOf(1), recordOf(2)}, "4002", "4001", true, true);
    EXPECT_EQ(result.handled, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(listed(db, "4002"), (std::vector<std::string>{paths()[0], paths()[1], paths()[2]}));
    EXPECT_EQ(listed(db, "4001"), std::vector<std::string>{paths()[2]});
    EXPECT_EQ(scalar(db, "select ID||'/'||Listen_Count from AlbumInfo_tbl where Song_ID='" + ids[1] + "'"),
              rowId + "/3");
}

TEST_F(PlaylistMoverTest, AFailureLeavesTheOthersHandled) {
    const auto result = mover.put({recordOf(0), recordOf(1)}, "4002", "4009", true, false); // no rows in 4009
    EXPECT_EQ(result.failed, 2);
    EXPECT_EQ(listed(db, "4001").size(), 3u);
}

std::vector<std::string> hostNames;

TEST(AlbumCreatorTest, ChecksNamesBeforeAskingTheHost) {
    test::ScriptedBox box;
    hostNames.clear();
    AlbumCreator creator(
        +[](const char* name) {
            hostNames.emplace_back(name);
            return std::string(name) == "refuse" ? 0 : 4711;
        },
        +[](const char* name) {
            hostNames.emplace_back(name);
            return std::string(name) == "refuse" ? 0 : 1;
        },
        box);
    EXPECT_EQ(creator.newPlaylist(""), std::nullopt);
    EXPECT_EQ(creator.newPlaylist("Road"), "4711");
    EXPECT_EQ(creator.newPlaylist("refuse"), std::nullopt);
    EXPECT_FALSE(creator.newMyAlbum(""));
    EXPECT_FALSE(creator.newMyAlbum("Mix (2024)"));
    EXPECT_FALSE(creator.newMyAlbum("me@home"));
    EXPECT_TRUE(creator.newMyAlbum("Mix 2024"));
    EXPECT_FALSE(creator.newMyAlbum("refuse"));
    EXPECT_EQ(hostNames, (std::vector<std::string>{"Road", "refuse", "Mix 2024", "refuse"}));
    for (const test::Shown& shown : box.shown)
        EXPECT_EQ(shown.caption, "Kesto Player");
    EXPECT_EQ(box.texts(),
              (std::vector<std::string>{"이름을 입력하여 주십시오", "앨범을 추가할 수 없습니다.",
                                        "마이앨범 명을 입력하세요.",
                                        "마이앨범 명에는 다음과 같은 문자는 사용하실 수 없습니다.\n\n@ ( )",
                                        "마이앨범 명에는 다음과 같은 문자는 사용하실 수 없습니다.\n\n@ ( )",
                                        "앨범을 추가할 수 없습니다."}));
}

} // namespace
} // namespace kesto
