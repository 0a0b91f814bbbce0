// What the song commands do once their songs are accepted: requests sent, messages posted to
// the host, host table calls, files and album rows removed, the now-playing store changed.

#include "command_rig.h"

#include "commands/delete_command.h"
#include "commands/download_command.h"
#include "commands/drop_into_album_command.h"
#include "commands/gift_command.h"
#include "commands/listen_command.h"
#include "commands/transfer_command.h"
#include "library/album_song.h"
#include "songs/list_pages.h"

#include <fstream>
#include <gtest/gtest.h>

namespace kesto::test {
namespace {

using Texts = std::vector<std::string>;

std::string utf8(CommandText id) {
    return std::string(CommandTexts::utf8(id));
}

class SongCommandsTest : public ::testing::Test {
protected:
    CommandRig r;
    std::vector<SongList> purchases;
    std::vector<int> modes;

    void SetUp() override {
        r.context.hooks.purchaseDialog = [this](const SongList& songs, const PriceReply&, int mode) {
            purchases.push_back(songs);
            modes.push_back(mode);
        };
        r.registry->writeSectionString(settings::kOption, "1", settings::kShowDcfInfo);
    }
    void addToNowPlaying(const Song& song) { r.nowPlaying.addCopy(&song); }
    std::filesystem::path file(const std::string& name) {
        const auto path = r.folder / name;
        std::ofstream(path) << "x";
        return path;
    }
};

TEST_F(SongCommandsTest, TwentySongsDownloadTwentyOneDoNot) {
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
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::TooManySongs)});
    EXPECT_EQ(r.requests().size(), 2u);
}

TEST_F(SongCommandsTest, OneAlbumAlonePassesAlbumWithASongDoesNot) {
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    EXPECT_TRUE(DownloadCommand(r.context).run(Selection::of({album("A1")})));
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({album("A1"), streaming("S1")})));
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({album("A1"), album("A2")})));
    EXPECT_EQ(r.box.texts(), (Texts{utf8(CommandText::AlbumWithSongs), utf8(CommandText::TooManyAlbums)}));
    EXPECT_EQ(r.requests().size(), 2u);
}

TEST_F(SongCommandsTest, BellsDownloadFromTheBellListOnly) {
    r.rig.login.menuParameter = "238";
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    EXPECT_TRUE(DownloadCommand(r.context).run(Selection::of({bell("B1")})));
    EXPECT_TRUE(r.box.shown.empty());
}

TEST_F(SongCommandsTest, DownloadSendsOnlyNonGreySongsAndAsksOnPageKindEight) {
    const auto chosen = Selection::of({streaming("S1"), grey(streaming("S2")), streaming("S3")});
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    EXPECT_TRUE(DownloadCommand(r.context).run(chosen));
    EXPECT_TRUE(r.box.shown.empty());
    EXPECT_EQ(fields(*r.requests()[0].body), (Texts{"user1", "KEY9", "2", "S1", "S3", ""}));

    r.context.pageKind = 8;
    r.box.answers = {mb::kCancel};
    EXPECT_FALSE(DownloadCommand(r.context).run(chosen));
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::DownloadGreyQuestion)});
    EXPECT_EQ(r.requests().size(), 2u);
}

TEST_F(SongCommandsTest, DownloadFailuresEndWhereTheyHappen) {
    r.rig.host.reply(vt({"-1", "no"}));
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({streaming("S1")})));
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::ServerTrouble)});
    EXPECT_EQ(r.requests().size(), 1u);

    r.rig.host.reply(vt({"1"}));
    r.rig.host.fail();
    std::vector<bool> cursor;
    r.context.hooks.waitCursor = [&](bool on) { cursor.push_back(on); };
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({streaming("S1")})));
    ASSERT_EQ(r.posted().size(), 1u);
    EXPECT_EQ(r.posted()[0].message, 1142u);
    EXPECT_EQ(r.posted()[0].wParam, -10000);
    EXPECT_EQ(r.posted()[0].lParam, 0);
    EXPECT_EQ(cursor, (std::vector<bool>{true, false}));
    EXPECT_TRUE(purchases.empty());
}

TEST_F(SongCommandsTest, DcfNoticeComesFirstUnlessTurnedOff) {
    r.registry->writeSectionString(settings::kOption, "0", settings::kShowDcfInfo);
    int notices = 0;
    r.context.hooks.dcfNotice = [&] { return ++notices, false; };
    EXPECT_FALSE(DownloadCommand(r.context).run(Selection::of({streaming("S1")})));
    EXPECT_EQ(notices, 1);
    EXPECT_TRUE(r.requests().empty());
}

TEST_F(SongCommandsTest, GiftPriceErrorGoesToTheHostWithTheServersText) {
    std::vector<SongList> gifts;
    r.context.hooks.giftDialog = [&](const SongList& songs, const PriceReply&) { gifts.push_back(songs); };
    r.rig.host.reply(vt({"-7", "sold out"}));
    EXPECT_FALSE(GiftCommand(r.context).run(Selection::of({streaming("S1")})));
    ASSERT_EQ(r.posted().size(), 1u);
    EXPECT_EQ(r.posted()[0].wParam, -7);
    EXPECT_EQ(r.rig.port.take(r.posted()[0].lParam), "sold out");
    EXPECT_TRUE(gifts.empty());

    r.rig.host.reply(vt({"0", "500", "S1", "1", "500", ""}));
    EXPECT_TRUE(GiftCommand(r.context).run(Selection::of({streaming("S1")})));
    EXPECT_EQ(gifts.size(), 1u);
    EXPECT_EQ(fields(*r.requests()[1].body), (Texts{"user1", "KEY9", "0", "1", "S1", ""}));
}

TEST_F(SongCommandsTest, ListenReplacesOrAppendsAndPlaysFromTheFirstNewSong) {
    addToNowPlaying(streaming("OLD"));
    EXPECT_TRUE(ListenCommand(r.context).run(Selection::of({streaming("S1"), streaming("S2")})));
    EXPECT_EQ(r.nowPlaying.count(), 2);
    r.registry->writeSectionDword(settings::kOption, 1, settings::kHearingAppend);
    EXPECT_TRUE(ListenCommand(r.context).run(Selection::of({streaming("S3")})));
    EXPECT_EQ(r.nowPlaying.count(), 3);
    ASSERT_EQ(r.posted().size(), 2u);
    EXPECT_EQ(r.posted()[0].message, 1133u);
    EXPECT_EQ(r.posted()[0].wParam, 0);
    EXPECT_EQ(r.posted()[1].wParam, 2);
    EXPECT_EQ(r.posted()[1].lParam, 1);
}

TEST_F(SongCommandsTest, DeviceListDeletionHandsPathsMarkedBySource) {
    r.context.pageKind = 13;
    Song second = local("/dev/b.dcf");
    second.Source_Kind = 1;
    EXPECT_TRUE(DeleteCommand(r.context).run(Selection::of({local("/dev/a.dcf"), second})));
    EXPECT_EQ(r.device().deleted, (Texts{"/dev/a.dcf", "/dev/b.dcf*"}));
    EXPECT_FALSE(DeleteCommand(r.context).run(Selection()));
    EXPECT_EQ(r.device().deleteCalls, 1);
}

TEST_F(SongCommandsTest, StorageDeletionAsksThenRemovesFilesAndNowPlayingEntries) {
    r.context.pageKind = 6;
    r.context.menuId = menu::kDownloadStorage;
    const auto kept = file("a.mp3");
    addToNowPlaying(local(kept.string()));
    r.box.answers = {mb::kNo};
    EXPECT_FALSE(DeleteCommand(r.context).run(Selection::of({local(kept.string())})));
    EXPECT_TRUE(std::filesystem::exists(kept));
    EXPECT_EQ(r.box.shown.back().style, mb::kQuestionYesNo);

    r.box.answers = {mb::kYes};
    EXPECT_TRUE(DeleteCommand(r.context).run(
        Selection::of({local(kept.string()), local((r.folder / "missing.mp3").string())})));
    EXPECT_FALSE(std::filesystem::exists(kept));
    EXPECT_EQ(r.box.texts().back(), utf8(CommandText::DeleteFileFailed));
    EXPECT_EQ(r.nowPlaying.count(), 0);
}

TEST_F(SongCommandsTest, OnlineAlbumDeletionReportsEachFailure) {
    r.context.menuId = menu::kOnlineAlbum;
    r.rig.login.menuParameter = "77";
    r.rig.host.fail();
    r.rig.host.reply(vt({"-3", "x"}));
    r.rig.host.reply(vt({"0", "1"}));
    addToNowPlaying(streaming("S1"));
    const auto chosen = Selection::of({streaming("S1")});
    EXPECT_FALSE(DeleteCommand(r.context).run(chosen));
    EXPECT_FALSE(DeleteCommand(r.context).run(chosen));
    EXPECT_TRUE(DeleteCommand(r.context).run(chosen));
    EXPECT_EQ(r.box.texts(),
              (Texts{utf8(CommandText::DeleteNoServer), utf8(CommandText::DeleteMyAlbumFailed)}));
    EXPECT_EQ(fields(*r.requests()[2].body), (Texts{"user1", "KEY9", "77", "1", "S1", ""}));
    EXPECT_EQ(r.nowPlaying.count(), 0);
}

TEST_F(SongCommandsTest, TransferChecksTheDeviceFirst) {
    r.context.hooks.transferRunning = [] { return true; };
    TransferCommand(r.context, Device::Phone, CommandOrigin::List).run(Selection());
    r.device().mp3 = false;
    TransferCommand(r.context, Device::Mp3Player, CommandOrigin::PanelMessage).run(Selection());
    TransferCommand(r.context, Device::Mp3Player, CommandOrigin::List).run(Selection());
    EXPECT_EQ(r.box.texts(),
              (Texts{utf8(CommandText::TransferBusy), utf8(CommandText::Mp3PlayerNotConnectedPanel),
                     utf8(CommandText::Mp3PlayerNotConnected)}));
}

TEST_F(SongCommandsTest, TransferSendsDcfAndBellFilesWithTheWriteFlag) {
    EXPECT_FALSE(TransferCommand(r.context, Device::Phone, CommandOrigin::List)
                     .run(Selection::of({local("/a.dcf", 3), local("/b.mp3", 0)})));
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::TransferLocalFile)});

    r.registry->writeRootString("1", settings::kFileSkipWrite);
    EXPECT_TRUE(TransferCommand(r.context, Device::Phone, CommandOrigin::List)
                    .run(Selection::of({local("/a.dcf", 4), local("/r.bell", 9)})));
    ASSERT_EQ(r.device().transferred.size(), 2u);
    EXPECT_STREQ(r.device().transferred[1].text(SongField::Local_Path), "/r.bell");
    EXPECT_EQ(r.device().writeFlag, 0);
}

TEST_F(SongCommandsTest, StreamingSongsNotOnThisPcAreOfferedForDownloadInstead) {
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    r.context.hooks.onThisPc = [](const Song& song) { return song.view(SongField::Song_ID) == "HAVE"; };
    EXPECT_FALSE(TransferCommand(r.context, Device::Mp3Player, CommandOrigin::List)
                     .run(Selection::of({streaming("HAVE"), streaming("S2"), local("/a.dcf", 3)})));
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::TransferNotDownloaded)});
    EXPECT_EQ(fields(*r.requests()[0].body), (Texts{"user1", "KEY9", "1", "S2", ""}));
    EXPECT_EQ(r.device().transferCalls, 0);
}

TEST_F(SongCommandsTest, DroppedLocalFilesGoIntoTheAlbumAndKtpCheckDecidesTheDownload) {
    const auto path = file("d.mp3");
    Song bellFile = local(file("e.bell").string(), 9);
    bellFile.setText(SongField::Menu_ID, "238");
    const auto dropped = Selection::of({local(path.string()), bellFile, streaming("S1")});
    r.registry->writeRootString("2", settings::kKtpCheck);
    EXPECT_EQ(DropIntoAlbumCommand(r.context).run(dropped, "4100"), 1);
    EXPECT_TRUE(r.requests().empty());
    EXPECT_TRUE(r.box.shown.empty());

    r.registry->writeRootString("0", settings::kKtpCheck);
    r.box.answers = {mb::kCancel};
    DropIntoAlbumCommand(r.context).run(Selection::of({streaming("S1")}), "4100");
    EXPECT_EQ(r.box.texts(), Texts{utf8(CommandText::DropDownloadQuestion)});
    EXPECT_TRUE(r.requests().empty());

    r.registry->writeRootString("1", settings::kKtpCheck);
    r.rig.host.reply(vt({"1"}));
    r.rig.host.reply(vt({"0", "100", ""}));
    DropIntoAlbumCommand(r.context).run(Selection::of({streaming("S1")}), "4100");
    EXPECT_EQ(modes, std::vector<int>{DropIntoAlbumCommand::kDownloadMode});
    EXPECT_EQ(r.reshown, 3);
}

} // namespace
} // namespace kesto::test
