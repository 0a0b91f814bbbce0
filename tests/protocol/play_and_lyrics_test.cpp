#include "platform/cp949.h"
#include "protocol/lyrics_exchange.h"
#include "protocol/song_command_reply.h"
#include "protocol/streaming_exchange.h"
#include "songs/song_store.h"
#include "tests/protocol/protocol_doubles.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Rig;
using test::vt;

Song song() {
    Song r;
    r.setText(SongField::Song_ID, "S77");
    r.setText(SongField::Menu_ID, "00456");
    r.setText(SongField::Song_Name, "name");
    r.Item_Type = 1;
    r.Purchase_Mark = 3;
    return r;
}

TEST(StreamingExchange, BodyHasTheNineFieldsInOrder) {
    Rig rig;
    std::strcpy(rig.login.joinedKey, "dcba");
    std::strcpy(rig.login.memberClass, "5xx");
    rig.host.reply("0");
    StreamingExchange(rig.context).play(song());
    ASSERT_EQ(rig.host.calls().size(), 1u);
    EXPECT_EQ(rig.host.calls()[0].body, vt({"user1", "KEY9", "00456", "1", "S77", "", "3", "dcba", "1", ""}));
    EXPECT_EQ(rig.host.calls()[0].post, 1);
    for (const char* flag : {"0", "", "2", "7"}) {
        std::strcpy(rig.login.memberClass, flag);
        EXPECT_TRUE(StreamingExchange(rig.context)
                        .body(song())
                        .text()
                        .ends_with("dcba\x0b"
                                   "0\x0b"))
            << flag;
    }
}

TEST(StreamingExchange, SuccessHandsBackFiveResults) {
    Rig rig;
    rig.host.reply(vt({"0", "rtsp://x", "128", "t3", "t4", "60"}));
    const PlayResult result = StreamingExchange(rig.context).play(song());
    EXPECT_TRUE(result.granted);
    EXPECT_EQ(result.streamAddress, "rtsp://x");
    EXPECT_EQ(result.playSeconds, 128);
    EXPECT_EQ(result.field3, "t3");
    EXPECT_EQ(result.field4, "t4");
    EXPECT_EQ(result.fullPlay, 60);
    EXPECT_TRUE(rig.box.shown.empty());
}

TEST(StreamingExchange, LoginCodesGiveTheDoubleLoginMarker) {
    Rig rig;
    rig.host.reply(vt({"-10104", "in use elsewhere"}));
    rig.host.reply(vt({"-5", "no rights"}));
    rig.host.fail();
    const StreamingExchange exchange(rig.context);
    const PlayResult doubled = exchange.play(song());
    EXPECT_FALSE(doubled.granted);
    EXPECT_EQ(doubled.streamAddress, "$$$DOUBLELOGIN$$$");
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, "in use elsewhere");
    ASSERT_EQ(rig.port.posted.size(), 1u);
    EXPECT_EQ(rig.port.posted[0].message, 1143u);

    const PlayResult refused = exchange.play(song());
    EXPECT_EQ(refused.streamAddress, "");
    EXPECT_EQ(rig.box.shown.size(), 2u);
    EXPECT_EQ(rig.port.posted.size(), 1u);
    EXPECT_FALSE(exchange.play(song()).answered);
}

class LyricsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("kesto_lyrics_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_ / "Lyrics");
        options_.installPath = (dir_ / "kesto.exe").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
    LyricsOptions options_;
};

TEST_F(LyricsTest, MissingCacheFileIsDownloadedOnlyWhenTheOptionAllows) {
    Rig rig;
    std::vector<std::string> downloads;
    std::vector<std::pair<std::string, int>> pages;
    LyricsExchange lyrics(rig.context,
                          {[&](const Song& r) { downloads.emplace_back(r.text(SongField::Song_ID)); },
                           [&](const std::string& a, const std::string& body, int mode) {
                               EXPECT_EQ(body, "u_id=user1&u_key=KEY9"); // never in the address
                               pages.emplace_back(a, mode);
                           }});
    Song r = song();
    r.Has_Lyrics = 1;
    EXPECT_TRUE(lyrics.show(r, options_, false));
    EXPECT_TRUE(downloads.empty());
    options_.downloadMissing = true;
    EXPECT_TRUE(lyrics.show(r, options_, true));
    EXPECT_EQ(downloads, std::vector<std::string>{"S77"});

    std::ofstream(dir_ / "Lyrics" / "S77.mlr.dcf") << "cached";
    EXPECT_EQ(LyricsExchange::findCached(options_.installPath, r), dir_ / "Lyrics" / "S77.mlr.dcf");
    EXPECT_TRUE(lyrics.show(r, options_, true));
    EXPECT_EQ(downloads.size(), 1u);

    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].second, 1);
    EXPECT_EQ(lyrics.lastPage(), pages[2].first);
    for (const auto& posted : rig.port.posted)
        rig.port.take(posted.lParam);
}

TEST_F(LyricsTest, AskingForASongWithoutLyricsOnlyShowsTheMessage) {
    Rig rig;
    int pages = 0;
    LyricsExchange lyrics(rig.context,
                          {nullptr, [&](const std::string&, const std::string&, int) { ++pages; }});
    EXPECT_FALSE(lyrics.show(song(), options_, true));
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, Cp949::fromUtf8("가사가 지원되지 않는 곡입니다"));
    EXPECT_EQ(rig.box.shown[0].style, 16);
    EXPECT_TRUE(rig.port.posted.empty());
    EXPECT_EQ(pages, 0);
    EXPECT_TRUE(lyrics.show(song(), options_, false)); // the played song still gets its page
    EXPECT_EQ(pages, 1);
    rig.port.take(rig.port.posted[0].lParam);
}

TEST(SongCommandReply, FillsTheRecordAndPlaysIt) {
    Rig rig;
    SongStore nowPlaying;
    Song other = song();
    nowPlaying.addCopy(&other);
    const std::string reply =
        vt({"0", "x", "11000", "Title%21", "245", "skip", "AR1", "NULL", "AL1", "Album", "2", "1"});
    EXPECT_EQ(SongCommandReply::play(rig.context, reply, song(), nowPlaying, true), 1);
    const Song* r = nowPlaying.get(1);
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(r->text(SongField::Service_Flags), "11000");
    EXPECT_STREQ(r->text(SongField::Song_Name), "Title!");
    EXPECT_EQ(r->Play_Time, 245);
    EXPECT_STREQ(r->text(SongField::Artist_ID), "AR1");
    EXPECT_STREQ(r->text(SongField::Artist_Name), "");
    EXPECT_STREQ(r->text(SongField::Album_Name), "Album");
    EXPECT_EQ(r->Phone_Deco, 2);
    EXPECT_EQ(r->Has_Lyrics, 1);
    EXPECT_STREQ(r->text(SongField::Song_ID), "S77"); // kept from the base record
    ASSERT_EQ(rig.port.posted.size(), 1u);
    EXPECT_EQ(rig.port.posted[0].message, 1133u);
    EXPECT_EQ(rig.port.posted[0].wParam, 1);
    EXPECT_EQ(rig.port.posted[0].lParam, 1);

    EXPECT_EQ(SongCommandReply::play(rig.context, reply, song(), nowPlaying, false), 0);
    EXPECT_EQ(nowPlaying.count(), 1);
}

TEST(SongCommandReply, ErrorShowsTheMessageAndLeavesTheStore) {
    Rig rig;
    SongStore nowPlaying;
    EXPECT_EQ(SongCommandReply::play(rig.context, vt({"-3", "gone"}), song(), nowPlaying, false), -1);
    EXPECT_EQ(SongCommandReply::play(rig.context, "", song(), nowPlaying, false), -1);
    EXPECT_EQ(nowPlaying.count(), 0);
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, "gone");
    EXPECT_TRUE(rig.port.posted.empty());
}

} // namespace
} // namespace kesto
