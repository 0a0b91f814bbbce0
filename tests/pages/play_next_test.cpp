// Entry 24's choice of the next song and its play grant, against the protocol doubles.
#include "pages/play_next.h"
#include "protocol/protocol_doubles.h"
#include "songs/song_store.h"

#include <gtest/gtest.h>

namespace kesto::test {
namespace {

class PlayNextTest : public ::testing::Test {
protected:
    void add(const char* songId, const char* localPath = "") {
        Song record;
        record.setText(SongField::Song_ID, songId);
        record.setText(SongField::Song_Name, std::string("Name ") + songId);
        record.setText(SongField::Local_Path, localPath);
        store.addCopy(&record);
    }
    NextSongResult next(int position, std::string hostText = {}) {
        return PlayNext::run(store, rig.context, NextSongRequest{std::move(hostText), 1, position, 0});
    }
    Rig rig;
    SongStore store;
};

TEST_F(PlayNextTest, StreamingSongGetsItsGrantAndBecomesCurrent) {
    add("S1");
    add("S2");
    rig.host.reply("0\x0Bhttp://stream/1\x0B"
                   "7\x0Bthree\x0B"
                   "four\x0B"
                   "5");
    const NextSongResult result = next(0);
    EXPECT_EQ(result.position, 1);
    EXPECT_EQ(result.songId, "S2");
    EXPECT_EQ(result.songName, "Name S2");
    EXPECT_EQ(store.current(), 1);
    ASSERT_EQ(rig.host.calls().size(), 1u);
    EXPECT_NE(rig.host.calls()[0].url.find("streaming"), std::string::npos);
    EXPECT_EQ(result.streamAddress, "http://stream/1");
    EXPECT_EQ(result.playSeconds, 7);
    EXPECT_EQ(result.field3, "three");
    EXPECT_EQ(result.field4, "four");
    EXPECT_EQ(result.fullPlay, 5);
}

TEST_F(PlayNextTest, LocalFilesAndHostTextsAskNothing) {
    add("S1");
    add("L1", "/music/a.mp3");
    const NextSongResult local = next(0);
    EXPECT_EQ(local.isLocal, 1);
    EXPECT_EQ(local.localPath, "/music/a.mp3");
    EXPECT_EQ(next(-1, "host plays").position, 0);
    EXPECT_TRUE(rig.host.calls().empty());
}

} // namespace
} // namespace kesto::test
