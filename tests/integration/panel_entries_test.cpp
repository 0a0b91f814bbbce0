// Entries, context menu commands and links of the panel reaching their effects: through the
// real module in a Qt host, against the reference service on loopback. Every test runs in its
// own process (the module takes one host window per load).
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"

#include "host/store/curl_request.h"
#include "service/melody.h"
#include "service/play_commands.h"

#include <QMessageBox>

namespace kesto::test {
namespace {

TEST_F(PanelEntriesTest, SortAndDoubleClickOnTheNowPlayingPagePlayInItsOrder) {
    host.show(2, kChartMenu, kFiftyRowChart);
    listenTo({0, 1, 2, 3});
    ASSERT_EQ(host.entry<KestoEntry0>(0)(), 4);
    ASSERT_NE(host.hostLog().last(KESTO_MSG_PLAY_NOW_PLAYING), nullptr);
    host.show(kListOnly, kNowPlayingMenu);
    const auto before = host.rowNames();
    host.list()->sortByColumn(kNowPlayingNameColumn);
    if (host.rowNames() == before)
        host.list()->sortByColumn(kNowPlayingNameColumn); // the first sort kept the order: reverse it
    const auto sorted = host.rowNames();
    ASSERT_NE(sorted, before);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()) ||
                std::is_sorted(sorted.rbegin(), sorted.rend()));
    // "Next" from the first row plays the row below it in the new order.
    const Played next = playNext(0);
    EXPECT_EQ(next.position, 1);
    EXPECT_EQ(next.name, sorted[1]);
    EXPECT_EQ(host.list()->currentRow(), 1);
    EXPECT_EQ(playNext(next.position).name, sorted[2]);

    // A double click on a row of the page listens on from it; the store keeps its songs.
    SongListView* list = host.list();
    const int plays = host.hostLog().count(KESTO_MSG_PLAY_NOW_PLAYING);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->cellRect(2, kNowPlayingNameColumn).center());
    ASSERT_TRUE(PanelHost::processUntil(
        [&] { return host.hostLog().count(KESTO_MSG_PLAY_NOW_PLAYING) == plays + 1; }, 5s));
    EXPECT_EQ(host.hostLog().last(KESTO_MSG_PLAY_NOW_PLAYING)->wParam, 2);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), 4);
    EXPECT_EQ(PanelHost::serviceACalled(KESTO_SVC_A_BEFORE_PLAY), 1);
    EXPECT_EQ(PanelHost::serviceACalled(KESTO_SVC_A_AFTER_PLAY), 1);
}

TEST_F(PanelEntriesTest, TickOnTheNowPlayingPageMarksTheEntryThatGoesToADevice) {
    // Phones take DCF files of this PC.
    std::vector<std::filesystem::path> files;
    for (const char* name : {"One", "Two", "Three"}) {
        files.push_back(host.dataFolder() / (std::string(name) + ".dcf"));
        std::ofstream(files.back(), std::ios::binary) << dcfBytes(
            "audio/mpeg", "cid:1@local", std::string("Content-Name: ") + name + "\r\n", "payload");
    }
    host.entry<KestoEntry43>(43)(fileList(files).c_str());
    host.show(kListOnly, kNowPlayingMenu);
    SongListView* list = host.list();
    ASSERT_EQ(list->rowCount(), 3);
    // A tick marks the store's own entry, the rows of this page.
    const QRect box = list->cellRect(2, kCheckColumn);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    PanelHost::processPending();
    ASSERT_TRUE(list->isChecked(2));
    ASSERT_EQ(host.rowRecords()[2]->Marked, 1);
    EXPECT_EQ(host.rowRecords()[1]->Marked, 0);
    const std::string third = host.rowRecords()[2]->text(SongField::Local_Path);
    // The list's own command posts 1086 (to a phone); the panel takes the ticked entries.
    host.list()->runCommand(listcmd::kListCommand1);
    ASSERT_TRUE(PanelHost::processUntil([] { return !PanelHost::transfers().empty(); }, 5s));
    EXPECT_EQ(PanelHost::transfers().back(), std::vector<std::string>{third});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    PanelHost::processPending();
    EXPECT_EQ(host.rowRecords()[2]->Marked, 0);
}

// The row menu puts the ticked songs into the cart, one request each. Entry 62 returns for every
// count a word holds and takes only the positions within the now-playing list, here two of
// 65535 (the rest lie past its three songs).
TEST_F(PanelEntriesTest, NowPlayingActionTakesTheLargestCountAndSkipsPositionsPastTheList) {
    host.show(2, kChartMenu, kFiftyRowChart);
    const auto names = host.rowNames();
    tick({3, 5, 7});
    PanelHost::forgetRequests();
    host.list()->runCommand(listcmd::kPutCart);
    PanelHost::processPending();
    EXPECT_EQ(requestsOf("addToCart"), 3);
    host.list()->uncheckAll();
    listenTo({0, 1, 2});
    ASSERT_EQ(host.entry<KestoEntry0>(0)(), 3);
    const std::uint16_t none[] = {0};
    host.entry<KestoEntry62>(62)(0, none, 0);
    std::vector<std::uint16_t> words(65536, 65535);
    // words[0], the count, is 65535 too.
    words[7] = 2;
    words[65535] = 0;
    words[300] = 3;
    PanelHost::forgetRequests();
    host.entry<KestoEntry62>(62)(0, words.data(), 0);
    PanelHost::processPending();
    EXPECT_EQ(requestsOf("addToCart"), 2);
    host.show(2, 9000);
    auto cart = host.rowNames();
    std::sort(cart.begin(), cart.end());
    std::vector<std::string> expected{names[0], names[2], names[3], names[5], names[7]};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(cart, expected);
}

TEST_F(PanelEntriesTest, ContextMenuGreysWhatTheSelectedSongsCannotTake) {
    host.show(2, kChartMenu, kFiftyRowChart);
    auto enabledIn = [this](int id) {
        const QAction* item = rowMenuItem(id);
        EXPECT_NE(item, nullptr) << "no menu item " << id;
        return item != nullptr && item->isEnabled();
    };
    // A streaming song on the chart page goes into the cart and a gift, not a play list.
    host.list()->setRowChecked(0, true);
    EXPECT_TRUE(enabledIn(listcmd::kPutCart));
    EXPECT_TRUE(enabledIn(listcmd::kPutGift));
    // A local file on the now-playing page goes into a play list, not the cart.
    host.entry<KestoEntry43>(43)(fileList({localFile("Local One")}).c_str());
    ASSERT_EQ(host.entry<KestoEntry0>(0)(), 1);
    host.show(kListOnly, kNowPlayingMenu);
    host.list()->setRowChecked(0, true);
    EXPECT_TRUE(enabledIn(listcmd::kPutPlayList));
    EXPECT_FALSE(enabledIn(listcmd::kPutCart));
    EXPECT_FALSE(enabledIn(listcmd::kPutMyAlbum));
    EXPECT_TRUE(enabledIn(listcmd::kClearNowPlaying));
}

TEST_F(PanelEntriesTest, LoadAndClearCommandsOfTheNowPlayingMenu) {
    host.show(2, kChartMenu, kFiftyRowChart);
    listenTo({0, 1, 2});
    host.show(kListOnly, kNowPlayingMenu);
    host.list()->runCommand(listcmd::kLoadPlayList);
    const Posted* load = host.hostLog().last(KESTO_MSG_LOAD_LIST);
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->wParam, 1);
    EXPECT_EQ(host.pageKind(), 4); // the local albums to load from
    host.show(kListOnly, kNowPlayingMenu);
    PanelHost::forgetRequests();
    host.list()->runCommand(listcmd::kLoadMyAlbum);
    EXPECT_EQ(host.hostLog().last(KESTO_MSG_LOAD_LIST)->wParam, 2);
    EXPECT_EQ(host.pageKind(), 2);
    EXPECT_EQ(requestsOf("myAlbumSong"), 1);

    host.show(kListOnly, kNowPlayingMenu);
    ASSERT_EQ(host.list()->rowCount(), 3);
    host.list()->runCommand(listcmd::kClearNowPlaying);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), 0);
    EXPECT_EQ(host.list()->rowCount(), 0);
}

TEST_F(PanelEntriesTest, SongLinkClickedInTheHtmlViewPlaysTheSong) {
    host.show(2, kChartMenu, kFiftyRowChart);
    const std::string songId = host.rowRecords()[4]->text(SongField::Song_ID);
    const std::string name = host.rowRecords()[4]->text(SongField::Song_Name);
    QTextBrowser* view = htmlText();
    ASSERT_NE(view, nullptr);
    host.show(3, kChartMenu, kFiftyRowChart); // list and web view
    view->setHtml(
        QStringLiteral("<a href=\"songinfo://1;1;%1/\">play</a>").arg(QString::fromStdString(songId)));
    QTextCursor cursor(view->document());
    cursor.setPosition(1);
    PanelHost::forgetRequests();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(cursor).center());
    PanelHost::processPending();
    EXPECT_EQ(requestsOf("song"), 1);
    ASSERT_EQ(host.entry<KestoEntry0>(0)(), 1);
    const Posted* play = host.hostLog().last(KESTO_MSG_PLAY_NOW_PLAYING);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->wParam, 0);
    EXPECT_EQ(play->lParam, 1);
    const Played played = playNext(-1, 0);
    EXPECT_EQ(played.songId, songId);
    EXPECT_EQ(played.name, name);
}

// The store grants a full play for what the user bought and a preview for the rest, though the
// panel asks for full plays (the log-in's member class allows them); a stream opens only with
// the key of its own grant and lasts as long as the grant says.
TEST_F(PanelEntriesTest, PlayGrantsFollowTheStoresPurchasesAndStreamsNeedTheirKey) {
    auto streamSeconds = [](const std::string& url) {
        void* data = nullptr;
        std::uint32_t length = 0;
        if (CurlRequest::perform(url.c_str(), &data, &length, 0, nullptr, 1, 0) == 0)
            return -1;
        std::free(data);
        return static_cast<int>((length - 44) / 2 / service::Melody::kSampleRate);
    };
    auto grants = [this](std::initializer_list<int> rows) {
        listenTo(rows);
        std::vector<Played> out;
        for (int position = 0; position < host.entry<KestoEntry0>(0)(); ++position)
            if (Played p = playNext(position, 0); !p.streamAddress.empty())
                out.push_back(p);
        return out;
    };
    auto bare = [](const std::string& url) { return url.substr(0, url.find('?')); };
    host.show(2, kChartMenu, kChart);
    const std::vector<Played> chart = grants({0, 1, 2});
    const auto preview =
        std::find_if(chart.begin(), chart.end(), [](const Played& p) { return p.fullPlay == 0; });
    ASSERT_NE(preview, chart.end());
    EXPECT_EQ(preview->seconds, std::min(preview->playTime, service::PlayCommands::kPreviewSeconds));
    EXPECT_EQ(streamSeconds(preview->streamAddress), preview->seconds);
    const std::string key = preview->streamAddress.substr(bare(preview->streamAddress).size());
    const std::string other = bare(chart[preview == chart.begin() ? 1 : 0].streamAddress);
    for (const std::string& refused :
         {bare(preview->streamAddress), bare(preview->streamAddress) + "?key=0123", other + key})
        EXPECT_EQ(streamSeconds(refused), -1) << refused;

    host.show(2, 5100); // the songs bought, all of them listened to
    host.entry<KestoEntry53>(53)(1);
    const std::vector<Played> bought = grants({});
    ASSERT_FALSE(bought.empty());
    for (const Played& p : bought) {
        EXPECT_EQ(p.fullPlay, 1) << p.name;
        EXPECT_EQ(p.seconds, p.playTime) << p.name;
        EXPECT_EQ(streamSeconds(p.streamAddress), p.seconds) << p.name;
    }
}

TEST_F(PanelEntriesTest, PlayingASongRunsTheLyricsStepsAndKeepsItsText) {
    host.show(2, kChartMenu, kFiftyRowChart);
    listenTo({1});
    EXPECT_EQ(host.entry<KestoEntry72>(72)(1), 1);
    RegistryKey key;
    std::uint32_t option = 0;
    key.readSectionDword(settings::kOption, option, settings::kDownloadLyric);
    EXPECT_EQ(option, 1u);

    const Played played = playNext(-1, 0);
    ASSERT_EQ(played.position, 0);
    ASSERT_FALSE(played.streamAddress.empty());
    // Entry 10 hands back what the host was given to play.
    char stored[KESTO_PLAY_TEXT_SIZE] = "old";
    host.entry<KestoEntry10>(10)(stored);
    EXPECT_EQ(std::string(stored), played.streamAddress.substr(0, KESTO_PLAY_TEXT_SIZE - 1));
    EXPECT_EQ(played.stored, std::string(stored));
    PanelHost::processPending();
    const Posted* wanted = host.hostLog().last(KESTO_MSG_LYRICS_WANTED);
    ASSERT_NE(wanted, nullptr);
    EXPECT_NE(wanted->text.find(played.songId), std::string::npos);
    ASSERT_EQ(PanelHost::transfers().size(), 1u); // no cached file: the host downloads it
    EXPECT_EQ(PanelHost::transfers()[0], std::vector<std::string>{played.songId});
    const std::string page = htmlText()->toPlainText().toStdString();
    EXPECT_NE(page.find("/lyrics.jsp?song_id=" + played.songId + "&is_exist="), std::string::npos) << page;
    EXPECT_EQ(page.find("u_key"), std::string::npos) << page;

    // Without the option the user is asked; OK with "do not show again" downloads and sets the
    // option, so the next song is downloaded unasked.
    host.entry<KestoEntry72>(72)(0);
    DialogScript script("messageBox", [](QWidget* box) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text().toStdString(),
                  "해당곡의 가사파일이 없습니다.\n해당곡의 가사를 다운로드(무료) 받으시겠습니까?");
        DialogScript::check(box, "doNotShowAgain", true);
        QMetaObject::invokeMethod(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok),
                                  &QAbstractButton::click, Qt::QueuedConnection);
    });
    playNext(-1, 0);
    PanelHost::processPending();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(PanelHost::transfers().size(), 2u);
    key.readSectionDword(settings::kOption, option, settings::kDownloadLyric);
    EXPECT_EQ(option, 1u);
    const int boxes = PanelHost::boxesShown();
    playNext(-1, 0);
    PanelHost::processPending();
    EXPECT_EQ(PanelHost::boxesShown(), boxes);
    EXPECT_EQ(PanelHost::transfers().size(), 3u);
    EXPECT_EQ(host.hostLog().count(KESTO_MSG_LYRICS_WANTED), 3);
    // Entry 75 blanks the HTML view.
    EXPECT_EQ(host.entry<KestoEntry75>(75)(), 1);
    EXPECT_TRUE(htmlText()->toPlainText().isEmpty());
}

TEST_F(PanelEntriesTest, PlayStateGoesToTheRowsOfTheSongAndOptionsAreReadAgain) {
    host.show(2, kChartMenu, kFiftyRowChart);
    const std::string songId = host.rowRecords()[6]->text(SongField::Song_ID);
    listenTo({6});
    playNext(-1, 0);
    EXPECT_EQ(host.entry<KestoEntry25>(25)(3), 1);
    EXPECT_EQ(host.rowRecords()[6]->Play_State, 3);
    EXPECT_EQ(host.rowRecords()[5]->Play_State, 0);
    EXPECT_EQ(std::string(host.rowRecords()[6]->text(SongField::Song_ID)), songId);

    // Entry 67: the play command setting is read again.
    PanelHost::forgetRequests();
    playNext(-1, 0);
    EXPECT_EQ(requestsOf("streaming"), 1);
    RegistryKey key;
    key.writeSectionDword(settings::kMain, 2, settings::kUpdateCodec);
    host.entry<KestoEntry67>(67)();
    playNext(-1, 0);
    EXPECT_EQ(requestsOf("getstnlyricsinfo2"), 1);
}

TEST_F(PanelEntriesTest, PanelOptionDecidesWhetherTheNowPlayingPageFollowsThePlayedSong) {
    host.show(2, kChartMenu, kFiftyRowChart);
    host.list()->checkAll();
    host.entry<KestoEntry45>(45)();
    ASSERT_EQ(host.entry<KestoEntry0>(0)(), 50);
    host.show(kListOnly, kNowPlayingMenu);
    QScrollBar* scroll = host.list()->verticalScrollBar();
    EXPECT_EQ(host.entry<KestoEntry7>(7)(1), 1);
    EXPECT_EQ(host.entry<KestoEntry6>(6)(), 1);
    playNext(40, 0);
    EXPECT_EQ(host.list()->currentRow(), 40);
    EXPECT_EQ(scroll->value(), 0); // the user's view stays
    host.entry<KestoEntry7>(7)(0);
    playNext(45, 0);
    EXPECT_EQ(host.list()->currentRow(), 45);
    EXPECT_GT(scroll->value(), 0);
}

TEST_F(PanelEntriesTest, SetWindowPosFollowsItsFlagsAndStackingHandle) {
    QWidget* panel = host.panelWindow();
    panel->setGeometry(10, 20, 300, 200);
    auto setPos = host.entry<KestoEntry18>(18);
    const unsigned still = KESTO_SWP_NOMOVE | KESTO_SWP_NOSIZE | KESTO_SWP_NOZORDER;
    EXPECT_EQ(setPos(nullptr, 0, 0, 0, 0, still), 1);
    EXPECT_EQ(panel->geometry(), QRect(10, 20, 300, 200));
    setPos(nullptr, 5, 6, 0, 0, KESTO_SWP_NOSIZE | KESTO_SWP_NOZORDER);
    EXPECT_EQ(panel->geometry(), QRect(5, 6, 300, 200));
    setPos(nullptr, 0, 0, 400, 250, KESTO_SWP_NOMOVE | KESTO_SWP_NOZORDER);
    EXPECT_EQ(panel->geometry(), QRect(5, 6, 400, 250));
    setPos(nullptr, 1, 2, 3, 4, still | KESTO_SWP_HIDEWINDOW);
    EXPECT_FALSE(panel->isVisible());
    setPos(nullptr, 0, 0, 0, 0, still | KESTO_SWP_SHOWWINDOW);
    EXPECT_TRUE(panel->isVisible());

    // Stacking: right below a sibling of the host, then to the top.
    auto* sibling = new QWidget(host.hostWindow());
    sibling->show();
    auto position = [&](QWidget* w) { return host.hostWindow()->children().indexOf(w); };
    ASSERT_GT(position(sibling), position(panel));
    setPos(KESTO_HWND_TOP, 0, 0, 0, 0, KESTO_SWP_NOMOVE | KESTO_SWP_NOSIZE);
    EXPECT_GT(position(panel), position(sibling));
    setPos(sibling, 0, 0, 0, 0, KESTO_SWP_NOMOVE | KESTO_SWP_NOSIZE);
    EXPECT_EQ(position(panel) + 1, position(sibling));
    EXPECT_EQ(panel->geometry(), QRect(5, 6, 400, 250));
}

TEST_F(PanelEntriesTest, HostHandsOverLocalFilesDeviceFilesAndAStoppedSong) {
    // Entry 43: local files play as the listen command plays them.
    const auto one = localFile("First Song");
    const auto two = localFile("Second Song");
    host.entry<KestoEntry43>(43)(fileList({one, two}).c_str());
    PanelHost::processPending();
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), 2);
    ASSERT_NE(host.hostLog().last(KESTO_MSG_PLAY_NOW_PLAYING), nullptr);
    const Played played = playNext(-1, 0);
    EXPECT_EQ(played.stored, one.string()); // a local song: its file
    // A text the song has not got leaves the host's buffer as it was.
    char address[KESTO_PLAY_URL_SIZE] = "kept";
    int chosen = -1;
    host.entry<KestoEntry24>(24)("", 0, 0, 0, &chosen, nullptr, nullptr, nullptr, address, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(chosen, 0);
    EXPECT_STREQ(address, "kept");
    // Entry 68: the host's fixed record of a local file.
    KestoSongRecord record{};
    ASSERT_EQ(host.entry<KestoEntry68>(68)(one.c_str(), &record), 1);
    EXPECT_STREQ(record.Song_Name, "First Song");
    EXPECT_STREQ(record.Local_Path, one.c_str());
    EXPECT_EQ(host.entry<KestoEntry68>(68)(one.c_str(), nullptr), 0);
    EXPECT_EQ(host.entry<KestoEntry68>(68)("", &record), 0);

    // Entry 40 then 51: the device page shows the device's files, never the page before.
    host.show(2, kChartMenu, kFiftyRowChart);
    host.entry<KestoEntry40>(40)(0, 0, "", "");
    EXPECT_EQ(host.list()->rowCount(), 0);
    const std::string files = std::string("/mnt/phone/a.mp3\x0B") + "Device A\x0BSinger\x0B" + "3145728\x0B" +
                              "200\x0B" + "0\n/mnt/phone/b.ogg\x0B" + "Device B";
    host.entry<KestoEntry51>(51)(files.c_str(), 1);
    EXPECT_EQ(host.rowNames(), (std::vector<std::string>{"Device A", "Device B"}));
    EXPECT_STREQ(host.rowRecords()[0]->text(SongField::Local_Path), "/mnt/phone/a.mp3");
    EXPECT_EQ(host.rowRecords()[0]->File_Size, 3145728);
    host.entry<KestoEntry51>(51)((std::string("/mnt/phone/c.mp3\x0B") + "Device C").c_str(), 2); // appended
    EXPECT_EQ(host.list()->rowCount(), 3);
    host.entry<KestoEntry40>(40)(1, 0, "", ""); // another device page keeps what was handed over
    EXPECT_EQ(host.list()->rowCount(), 3);

    // Entry 41: the user is told.
    const int boxes = PanelHost::boxesShown();
    host.entry<KestoEntry41>(41)();
    EXPECT_EQ(PanelHost::boxesShown(), boxes + 1);
}

TEST_F(PanelEntriesTest, LocalFileGoesIntoALocalAlbumOnce) {
    addAlbum("7", "Road Trip");
    host.show(4, 4100, "7");
    PanelHost::processPending();
    ASSERT_EQ(host.list()->rowCount(), 0);
    const auto file = localFile("Album Song");
    host.entry<KestoEntry49>(49)(file.c_str(), "7");
    EXPECT_EQ(host.rowNames(), std::vector<std::string>{"Album Song"});
    host.entry<KestoEntry49>(49)(file.c_str(), "7");
    EXPECT_EQ(host.list()->rowCount(), 1);
    // The database holds it once: the page read again lists it once.
    host.show(4, 4100, "7");
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.list()->rowCount() == 1; }, 5s));
}

} // namespace
} // namespace kesto::test
