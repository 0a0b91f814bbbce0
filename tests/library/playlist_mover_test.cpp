#include "library/album_creator.h"
#include "library/playlist_mover.h"
#include "support/temp_folder.h"
#include "tests/protocol/protocol_doubles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kesto {
namespace {

class PlaylistMoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.start(dir.path()));
        db.execStatement("insert into AlbumName_tbl values ('4001','One'); insert into AlbumName_tbl values "
                         "('4002','Two'); insert into AlbumName_tbl values ('4003','Three')");
        for (const char* name : {"a.mp3", "b's.mp3", "c.mp3"}) {
            std::ofstream(dir / name) << "x";
            AlbumSong song;
            song.albumId = "4001";
            song.songName = name;
            song.localPath = (dir / name).string();
            song.listenCount = 3;
            song.date = "20240101000000";
            ids.push_back(db.insertSong(song));
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
    std::vector<std::string> listed(const char* album) {
        AlbumSongList list;
        db.listAlbumSongs(album, list);
        return list.localPaths;
    }
    std::string scalar(const std::string& sql) {
        SQLite::Statement q(*db.database(), sql);
        return q.executeStep() ? q.getColumn(0).getString() : "";
    }

    test::TempFolder dir;
    MyAlbumDb db;
    std::vector<std::string> ids;
    LocalTime clock{2030, 1, 1, 0, 0, 0, 0};
    PlaylistMover mover{db, [this] { return clock; }};
};

TEST_F(PlaylistMoverTest, MoveKeepsTheRowAndSkipsSongsAlreadyThere) {
    db.execStatement("update AlbumInfo_tbl set Album_ID='4002' where Song_ID='" + ids[2] + "'");
    const std::string rowId = scalar("select ID from AlbumInfo_tbl where Song_ID='" + ids[1] + "'");
    // c is in 4002 already: a copy of it sits in 4001 too.
    db.insertSong([&] {
        AlbumSong s;
        s.albumId = "4001";
        s.localPath = paths()[2];
        return s;
    }());
    const auto result = mover.put({recordOf(0), recordOf(1), recordOf(2)}, "4002", "4001", true, true);
    EXPECT_EQ(result.handled, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(listed("4002"), (std::vector<std::string>{paths()[0], paths()[1], paths()[2]}));
    EXPECT_EQ(listed("4001"), std::vector<std::string>{paths()[2]});
    EXPECT_EQ(scalar("select ID||'/'||Listen_Count from AlbumInfo_tbl where Song_ID='" + ids[1] + "'"),
              rowId + "/3");
}

TEST_F(PlaylistMoverTest, AFailureLeavesTheOthersHandled) {
    const auto result = mover.put({recordOf(0), recordOf(1)}, "4002", "4009", true, false); // no rows in 4009
    EXPECT_EQ(result.failed, 2);
    EXPECT_EQ(listed("4001").size(), 3u);
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
