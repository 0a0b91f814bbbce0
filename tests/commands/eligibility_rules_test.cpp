// The order of checks of the song commands and the download's limits, observed through the
// message box, the requests sent and the dialog hooks.

#include "command_rig.h"

#include "commands/cart_command.h"
#include "commands/download_command.h"
#include "commands/download_into_album.h"
#include "commands/gift_command.h"
#include "commands/listen_command.h"
#include "commands/move_command.h"
#include "commands/my_album_command.h"
#include "commands/now_playing_action.h"
#include "commands/play_list_command.h"
#include "commands/transfer_command.h"
#include "songs/song_file_name.h"

#include <gtest/gtest.h>

namespace kesto::test {
namespace {

using Texts = std::vector<std::string>;

std::string utf8(CommandText id) {
    return std::string(CommandTexts::utf8(id));
}

class EligibilityTest : public ::testing::Test {
protected:
    CommandRig r;
    std::vector<SongList> myAlbumDialogs;
    std::vector<SongList> giftDialogs;
    std::vector<SongList> purchases;

    void SetUp() override {
        r.context.hooks.chooseMyAlbum = [this](const SongList& songs) -> std::optional<MyAlbumChoice> {
            myAlbumDialogs.push_back(songs);
            return std::nullopt;
        };
        r.context.hooks.giftDialog = [this](const SongList& songs, const PriceReply&) {
            giftDialogs.push_back(songs);
        };
        r.context.hooks.purchaseDialog = [this](const SongList& songs, const PriceReply&, int,
                                                const std::string&) { purchases.push_back(songs); };
        r.registry->writeSectionString(settings::kOption, "1", settings::kShowDcfInfo);
    }
};

TEST_F(EligibilityTest, OnlyBellsStopEveryCommandAtTheFirstBellWithoutTheLocalQuestion) {
    const auto chosen = Selection::of({bell("B1"), local("/a.mp3"), bell("B2")});
    struct Case {
        std::function<bool()> run;
        CommandText message;
    };
    const std::vector<Case> cases = {
        {[&] { return DownloadCommand(r.context).run(chosen); }, CommandText::BellFromBellListOnly},
        {[&] { return GiftCommand(r.context).run(chosen); }, CommandText::GiftBell},
        {[&] { return MyAlbumCommand(r.context, CommandOrigin::List).run(chosen); },
         CommandText::MyAlbumBell},
        {[&] { return TransferCommand(r.context, Device::Phone, CommandOrigin::List).run(chosen); },
         CommandText::BellFromBellListOnly},
    };
    for (const Case& c : cases) {
        r.box.shown.clear();
        EXPECT_FALSE(c.run());
        ASSERT_EQ(r.box.texts(), Texts{utf8(c.message)});
        EXPECT_EQ(r.box.shown[0].style, mb::kStopOk);
        EXPECT_EQ(r.box.shown[0].caption, "Kesto Player");
    }
    EXPECT_TRUE(r.requests().empty());
    EXPECT_TRUE(myAlbumDialogs.empty());
    EXPECT_EQ(r.device().transferCalls, 0);
}

TEST_F(EligibilityTest, EmptySelectionGetsTheCommandsOwnMessage) {
    const Selection none;
    ListenCommand(r.context).run(none);
    MyAlbumCommand(r.context, CommandOrigin::List).run(none);
    MyAlbumCommand(r.context, CommandOrigin::NowPlaying).run(none);
    CartCommand(r.context, CommandOrigin::List).run(none);
    MoveCommand(r.context).run(none);
    EXPECT_EQ(r.box.texts(), (Texts{utf8(CommandText::ListenEmpty), utf8(CommandText::MyAlbumEmpty),
                                    utf8(CommandText::MyAlbumEmptyNowPlaying), utf8(CommandText::CartEmpty),
                                    utf8(CommandText::MoveEmpty)}));
}

TEST_F(EligibilityTest, GreyOnlySelectionGetsThePagesNoticeInBuyingHistoryAndNothingLeftElsewhere) {
    const auto chosen = Selection::of({grey(streaming("S1")), grey(streaming("S2"))});
    const struct {
        int page;
        CommandText myAlbum, gift;
    } cases[] = {{19, CommandText::MyAlbumAllLocal, CommandText::GiftAllLocal},
                 {7, CommandText::GreyShortNotice, CommandText::GreyShortNotice},
                 {8, CommandText::GreyLongNotice, CommandText::GreyLongNotice}};
    for (const auto& c : cases) {
        r.box.shown.clear();
        r.context.pageKind = c.page;
        EXPECT_FALSE(MyAlbumCommand(r.context, CommandOrigin::List).run(chosen));
        EXPECT_FALSE(GiftCommand(r.context).run(chosen));
        EXPECT_EQ(r.box.texts(), (Texts{utf8(c.myAlbum), utf8(c.gift)})) << c.page;
    }
    EXPECT_TRUE(myAlbumDialogs.empty());
    EXPECT_TRUE(r.requests().empty());
}

TEST_F(EligibilityTest, PartlyGreyAsksInBuyingHistoryAndGoesOnWithoutTheGreySongs) {
    r.context.pageKind = 7;
    const auto chosen = Selection::of({streaming("S1"), grey(streaming("S2")), streaming("S3")});
    r.box.answers = {mb::kCancel};
    MyAlbumCommand(r.context, CommandOrigin::List).run(chosen);
    EXPECT_TRUE(myAlbumDialogs.empty());
    MyAlbumCommand(r.context, CommandOrigin::List).run(chosen);
    ASSERT_EQ(myAlbumDialogs.size(), 1u);
    ASSERT_EQ(myAlbumDialogs[0].size(), 2u);
    EXPECT_STREQ(myAlbumDialogs[0][1].text(SongField::Song_ID), "S3");
    EXPECT_EQ(r.box.texts(), (Texts(2, utf8(CommandText::MyAlbumGreyQuestion))));
    EXPECT_EQ(r.box.shown[0].style, mb::kExclamationOkCancel);
    // Elsewhere the grey songs are dropped silently.
    r.context.pageKind = 19;
    MyAlbumCommand(r.context, CommandOrigin::List).run(chosen);
    EXPECT_EQ(r.box.shown.size(), 2u);
    ASSERT_EQ(myAlbumDialogs.size(), 2u);
    EXPECT_EQ(myAlbumDialogs[1].size(), 2u);
}

TEST_F(EligibilityTest, CancelOnTheLocalFileQuestionSendsNothing) {
    const auto chosen = Selection::of({streaming("S1"), local("/a.mp3")});
    r.box.answers = {mb::kCancel, mb::kCancel};
    EXPECT_FALSE(GiftCommand(r.context).run(chosen));
    EXPECT_FALSE(DownloadCommand(r.context).run(chosen));
    EXPECT_EQ(r.box.texts(), (Texts(2, utf8(CommandText::DownloadOrGiftSomeLocal))));
    EXPECT_TRUE(r.requests().empty());
    EXPECT_TRUE(r.posted().empty());
}

TEST_F(EligibilityTest, NowPlayingPlayListAndCartExcludeOppositeKinds) {
    r.nowPlaying.addCopy(&static_cast<const Song&>(streaming("S1")));
    const Song file = local("/a.dcf", 3);
    r.nowPlaying.addCopy(&file);
    const std::uint16_t both[] = {2, 0, 1};
    SongList playListGot;
    r.context.hooks.playListDialog = [&](const SongList& songs) { playListGot = songs; };
    r.rig.host.reply(vt({"0", ""}));
    r.box.answers = {mb::kOk, mb::kOk, mb::kCancel};

    EXPECT_TRUE(NowPlayingAction::run(r.context, NowPlayingAction::kPlayList, both));
    EXPECT_TRUE(NowPlayingAction::run(r.context, NowPlayingAction::kCart, both));

    EXPECT_EQ(r.box.texts(), (Texts{utf8(CommandText::PlayListSomeStreaming),
                                    utf8(CommandText::CartSomeLocal), utf8(CommandText::CartAdded)}));
    ASSERT_EQ(playListGot.size(), 1u);
    EXPECT_STREQ(playListGot[0].text(SongField::Local_Path), "/a.dcf");
    ASSERT_EQ(r.requests().size(), 1u);
    EXPECT_NE(r.requests()[0].url.find("addToCart"), std::string::npos);
    const auto sent = fields(*r.requests()[0].body);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "S1"), 1);
    EXPECT_EQ(sent.size(), 8u); // id, key, parameter, "1", "0", S1, "0", and the empty end
}

TEST_F(EligibilityTest, NowPlayingPlayListOfStreamingOnlyUsesTheTextWithoutFullStop) {
    r.nowPlaying.addCopy(&static_cast<const Song&>(streaming("S1")));
    const std::uint16_t one[] = {1, 0};
    EXPECT_FALSE(NowPlayingAction::run(r.context, NowPlayingAction::kPlayList, one));
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::PlayListAllStreamingNowPlaying)});
}

TEST_F(EligibilityTest, ListCartTellsAboutLocalFilesAndGoesOn) {
    r.rig.host.reply(vt({"0"}));
    r.box.answers = {mb::kOk, mb::kCancel};
    EXPECT_TRUE(
        CartCommand(r.context, CommandOrigin::List).run(Selection::of({local("/a.mp3"), streaming("S1")})));
    ASSERT_EQ(r.box.shown.size(), 2u);
    EXPECT_EQ(r.box.shown[0].style, mb::kExclamationOk);
    EXPECT_EQ(r.box.shown[1].caption, text(CommandText::CartCaption));
    EXPECT_EQ(r.box.shown[1].style, mb::kQuestionOkCancel);
    EXPECT_TRUE(r.shownPages.empty()); // Cancel: the cart page is not shown
}

TEST_F(EligibilityTest, MoveRefusesAnyGreySong) {
    std::vector<SongList> moved;
    r.context.pageKind = 4;
    r.context.hooks.moveLocal = [&](const SongList& songs) { moved.push_back(songs); };
    EXPECT_FALSE(MoveCommand(r.context).run(Selection::of({local("/a.mp3"), grey(local("/b.mp3"))})));
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::MoveGrey)});
    EXPECT_TRUE(MoveCommand(r.context).run(Selection::of({local("/a.mp3")})));
    EXPECT_EQ(moved.size(), 1u);
}

TEST_F(EligibilityTest, TwentySongsOrOneAlbumDownloadMoreDoNot) {
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    EXPECT_TRUE(DownloadCommand(r.context).run(Selection::of(streamingSongs(20))));
    ASSERT_EQ(r.requests().size(), 2u);
    EXPECT_NE(r.requests()[0].url.find("protocol.jsp?song"), std::string::npos);
    const auto sent = fields(*r.requests()[0].body);
    EXPECT_EQ(sent[2], "20");
    EXPECT_EQ(sent[22], "S19");
    EXPECT_NE(r.requests()[1].url.find("priceForDirectBuy"), std::string::npos);
    ASSERT_EQ(purchases.size(), 1u);
    EXPECT_EQ(purchases[0].size(), 20u);

    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of(streamingSongs(21))));
    // One album alone passes; an album with a song, or two albums, do not.
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    EXPECT_TRUE(DownloadCommand(r.context).run(Selection::of({album("A1")})));
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({album("A1"), streaming("S1")})));
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({album("A1"), album("A2")})));
    EXPECT_EQ(r.box.texts(), (Texts{utf8(CommandText::TooManySongs), utf8(CommandText::AlbumWithSongs),
                                    utf8(CommandText::TooManyAlbums)}));
    EXPECT_EQ(r.requests().size(), 4u);
}

TEST(CommandTextsTest, EveryTextSurvivesTheCodePage) {
    for (int i = 0; i < static_cast<int>(CommandText::Count); ++i) {
        const auto id = static_cast<CommandText>(i);
        EXPECT_FALSE(CommandTexts::get(id).empty()) << i;
        EXPECT_EQ(Cp949::toUtf8(CommandTexts::get(id)), CommandTexts::utf8(id)) << i;
    }
}

} // namespace
} // namespace kesto::test

// A song id from the store names a file; one that could leave its folder names none.
TEST(SongFileNameTest, OnlyPlainSongIdsNameAFile) {
    for (const char* id : {"S0001", "12345", "a.b"})
        EXPECT_TRUE(kesto::SongFileName::isPlain(id)) << id;
    for (const char* id : {"", ".", "..", "../S1", "/etc/x", "a\\b", "a\nb", "a\x7f"})
        EXPECT_FALSE(kesto::SongFileName::isPlain(id)) << id;
}
