// The page states a user meets through the module against the reference service: one whole
// album from an album link of type 1, an unranked service list that is not paged, the cart's
// numbering by twenty and the now-playing page while the host plays. Every test runs in its own process.
#include "tests/integration/panel_entries_fixture.h"

#include "columns/column_kind.h"

namespace kesto::test {
namespace {

constexpr int kCartMenu = 9000;
constexpr int kAlbumPageKind = 16;
constexpr int kCartRowsPerPage = 20;

std::vector<std::string> oneToN(int n) {
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i)
        out.push_back(std::to_string(i));
    return out;
}

QAbstractButton* button(PanelHost& host, int controlId) {
    return host.panelWindow()->findChild<QAbstractButton*>(QStringLiteral("button%1").arg(controlId));
}

class PageFlagsTest : public PanelEntriesTest {
protected:
    // The number cells of the shown rows.
    std::vector<std::string> numbers() {
        std::vector<std::string> out;
        const int column = columnOf(col::kNumber);
        for (int row = 0; column >= 0 && row < list().rowCount(); ++row)
            out.push_back(list().cellText(row, column).toStdString());
        return out;
    }

    // Follows an album link as a page of the service would write it, through entry 46.
    void followAlbum(const std::string& album, int type) {
        const std::string link = "albuminfo://" + album + ";" + std::to_string(type) + ";0/";
        host.entry<KestoEntry46>(46)(link.c_str());
        PanelHost::processPending();
    }

    bool rankHidden() { return list().isColumnHidden(columnOf(col::kRankChange)); }

    // Sorts by song name until the order differs from the album's; the names afterwards.
    std::vector<std::string> sortByName() {
        SongListView* list = host.list();
        const std::vector<std::string> before = host.rowNames();
        const int column = columnOf(col::kSongName);
        for (int turn = 0; turn < 2 && host.rowNames() == before; ++turn)
            list->sortByColumn(column);
        PanelHost::processPending();
        return host.rowNames();
    }
};

TEST_F(PageFlagsTest, AlbumLinkOfTypeOneShowsOneWholeAlbumNumberedByItsTracks) {
    host.show(2, kChartMenu, kHundredRowChart);
    const std::string album = host.rowRecords()[0]->text(SongField::Album_ID);

    PanelHost::forgetRequests();
    followAlbum(album, 1);
    ASSERT_EQ(requestsOf("album"), 1);
    ASSERT_EQ(host.pageKind(), kAlbumPageKind);
    const std::vector<std::string> tracks = host.rowNames();
    ASSERT_GT(tracks.size(), 2U);
    EXPECT_EQ(numbers(), oneToN(static_cast<int>(tracks.size())));
    EXPECT_FALSE(button(host, cmd::kNextListPage)->isEnabled());
    EXPECT_FALSE(button(host, cmd::kPreviousListPage)->isEnabled());

    // Sorted by name, each song keeps its track number.
    const std::vector<std::string> sorted = sortByName();
    ASSERT_NE(sorted, tracks);
    const std::vector<std::string> shown = numbers();
    for (std::size_t row = 0; row < sorted.size(); ++row) {
        const auto track = std::find(tracks.begin(), tracks.end(), sorted[row]) - tracks.begin();
        EXPECT_EQ(shown[row], std::to_string(track + 1)) << sorted[row];
    }

    // The same album by a link of another type is a list like others: sorted, it counts anew.
    followAlbum(album, 2);
    ASSERT_NE(sortByName(), tracks);
    EXPECT_EQ(numbers(), oneToN(static_cast<int>(tracks.size())));

    // A chart shown next pages again.
    followAlbum(album, 1);
    host.show(2, kChartMenu, kHundredRowChart);
    EXPECT_TRUE(button(host, cmd::kNextListPage)->isEnabled());
}

TEST_F(PageFlagsTest, UnrankedServiceListIsOneListThatPagingNeverAsksFor) {
    host.show(2, kChartMenu, kHundredRowChart); // ranked
    ASSERT_GE(columnOf(col::kRankChange), 0);
    EXPECT_FALSE(rankHidden());
    host.show(2, kChartMenu, kFiftyRowChart); // every rank reads "NO": its column hides
    ASSERT_EQ(host.list()->rowCount(), 50);
    EXPECT_TRUE(rankHidden());
    EXPECT_FALSE(button(host, cmd::kNextListPage)->isEnabled());
    EXPECT_FALSE(button(host, cmd::kPreviousListPage)->isEnabled());

    PanelHost::forgetRequests();
    host.click(cmd::kNextListPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kNextListPage) == 1; }, 5s));
    // The panel's own paging message for the next list page, as the button posts it.
    QCoreApplication::postEvent(host.panelWindow(), new WindowMessageEvent(msg::kNextListPage, 1, 0));
    PanelHost::processPending();
    EXPECT_TRUE(PanelHost::requestsSent().empty());
    EXPECT_EQ(host.list()->rowCount(), 50);
    // Reloading fetches the one list again.
    QCoreApplication::postEvent(host.panelWindow(), new WindowMessageEvent(msg::kReloadPage, 0, 0));
    ASSERT_TRUE(PanelHost::processUntil([&] { return requestsOf("kestoSong") == 1; }, 5s));
    EXPECT_EQ(host.list()->rowCount(), 50);
    PanelHost::forgetRequests();

    // The host choosing the list again fetches it.
    host.entry<KestoEntry23>(23)(2, "", kChartMenu, kFiftyRowChart, 0);
    ASSERT_EQ(PanelHost::requestsSent().size(), 1U);
    EXPECT_NE(PanelHost::requestsSent()[0].url.find("kestoSong"), std::string::npos);

    // A ranked list pages as before, its rank shown again.
    host.show(2, kChartMenu, kHundredRowChart);
    EXPECT_FALSE(rankHidden());
    EXPECT_TRUE(button(host, cmd::kNextListPage)->isEnabled());
    PanelHost::forgetRequests();
    host.click(cmd::kNextListPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return requestsOf("kestoSong") == 1; }, 5s));
}

TEST_F(PageFlagsTest, CartAndChartNumberTheirRowsOnAcrossListPages) {
    host.show(2, kChartMenu, kHundredRowChart);
    const auto* login = static_cast<const LoginBlock*>(host.entry<KestoEntry3>(3)());
    const int items = kCartRowsPerPage + 5;
    for (int row = 0; row < items; ++row) {
        const std::string body = std::string("tester\x0B") + login->uKey + "\x0B" + kHundredRowChart +
                                 "\x0B" + "1\x0B" + "0\x0B" +
                                 host.rowRecords()[row]->text(SongField::Song_ID) + "\x0B" + "0\x0B";
        ASSERT_EQ(host.ask(host.baseUrl() + "/protocol.jsp?addToCart", body).substr(0, 1), "0");
    }

    host.show(kListOnly, kCartMenu);
    ASSERT_EQ(host.list()->rowCount(), kCartRowsPerPage);
    EXPECT_EQ(numbers(), oneToN(kCartRowsPerPage));
    host.click(cmd::kNextListPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kNextListPage) == 1; }, 5s));
    PanelHost::processPending();
    ASSERT_EQ(host.list()->rowCount(), items - kCartRowsPerPage);
    EXPECT_EQ(numbers(), (std::vector<std::string>{"21", "22", "23", "24", "25"}));

    // The chart counts fifty rows a page, and offers the way back once past the first.
    host.show(2, kChartMenu, kHundredRowChart);
    EXPECT_FALSE(button(host, cmd::kPreviousListPage)->isEnabled());
    host.click(cmd::kNextListPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kNextListPage) == 2; }, 5s));
    PanelHost::processPending();
    ASSERT_EQ(host.list()->rowCount(), 50);
    EXPECT_EQ(numbers().front(), "51");
    EXPECT_EQ(numbers().back(), "100");
    EXPECT_TRUE(button(host, cmd::kPreviousListPage)->isEnabled());
}

// The host plays its now-playing list when these are asked.
std::atomic<int> hostPlays{0};
std::atomic<int> playingAsked{0};
int isPlaying() {
    ++playingAsked;
    return hostPlays.load();
}

class HostPlayingTest : public ::testing::Test {
protected:
    void start(bool playing) {
        hostPlays = playing ? 1 : 0;
        PanelHost::setServiceA(KESTO_SVC_A_IS_PLAYING, reinterpret_cast<KestoHostFn>(&isPlaying));
        std::string why;
        ASSERT_TRUE(host.start(why)) << why;
    }
    PanelHost host;
};

TEST_F(HostPlayingTest, PanelMadeWhileTheHostPlaysShowsTheNowPlayingPage) {
    start(true);
    EXPECT_GE(playingAsked.load(), 1);
    EXPECT_EQ(host.pageKind(), kNowPlayingPageKind);
    EXPECT_TRUE(PanelHost::requestsSent().empty() ||
                PanelHost::requestsSent().back().url.find("kestoSong") == std::string::npos);
}

TEST_F(HostPlayingTest, LeavingMiniModeShowsWhatPlays) {
    start(false);
    EXPECT_EQ(host.pageKind(), 0);
    host.show(2, kChartMenu, kFiftyRowChart);
    host.list()->setRowChecked(0, true);
    host.entry<KestoEntry45>(45)();
    const KestoRect rect{100, 100, 500, 400};
    ASSERT_EQ(host.entry<KestoEntry27>(27)(&rect), 1);

    // Nothing plays: the chart stays.
    host.entry<KestoEntry26>(26)(1);
    host.entry<KestoEntry26>(26)(0);
    EXPECT_EQ(host.pageKind(), 19);

    // The host plays: back from mini mode the panel shows the now-playing list, and says so.
    hostPlays = 1;
    const int asked = playingAsked.load();
    host.entry<KestoEntry26>(26)(1);
    host.entry<KestoEntry26>(26)(0);
    PanelHost::processPending();
    EXPECT_GT(playingAsked.load(), asked);
    EXPECT_EQ(host.pageKind(), kNowPlayingPageKind);
    EXPECT_EQ(host.list()->rowCount(), 1);
    EXPECT_EQ(host.hostLog().count(KESTO_MSG_MINI_MODE_SWITCHED), 1);
}

} // namespace
} // namespace kesto::test
