// The list panel through the real module in a Qt host, against the reference service on
// loopback. Every test runs in its own process (the module takes one host window per load).
#include "tests/integration/panel_entries_fixture.h"

#include "columns/default_column_sets.h"
#include "protocol/list_parser.h"
#include "protocol/list_request.h"

#include <thread>

namespace kesto::test {
namespace {

constexpr int kFolderPageKind = 6;

class ListPanelTest : public PanelEntriesTest {
protected:
    // The song names the service lists for a chart page, read the way the module reads them.
    std::vector<std::string> serviceNames(const std::string& chart, int page) {
        // The module's own login block: the same values the panel sends.
        LoginBlock login = *static_cast<LoginBlock*>(host.entry<KestoEntry3>(3)());
        login.menuParameter = chart;
        const ProtocolRequest request = ListRequest::build(login, kChartMenu, page);
        ProtocolContext context;
        context.login = &login;
        std::vector<std::string> names;
        ListParser(context).parse(
            host.ask(request.url, request.body), kChartPageKind,
            [&names](const Song& r) { return names.emplace_back(r.text(SongField::Song_Name)), true; });
        return names;
    }

    static std::vector<std::string> titlesOf(int pageKind) {
        std::vector<std::string> titles;
        for (const ColumnInfo& column : DefaultColumnSets::forPageKind(pageKind))
            titles.emplace_back(column.titleView());
        return titles;
    }

    std::filesystem::path folderWith(const std::string& name, int files) {
        const auto folder = host.dataFolder() / name;
        std::filesystem::create_directories(folder);
        for (int i = 0; i < files; ++i)
            std::ofstream(folder / ("song" + std::to_string(1000 + i) + ".mp3")) << "x";
        return folder;
    }
};

TEST_F(ListPanelTest, MenuId2000ChangesNothingAndAnUnreadableReplyLeavesAnEmptyList) {
    host.show(4, kChartMenu, kFiftyRowChart);
    const auto names = host.rowNames();
    const auto requests = PanelHost::counters().requests.load();
    host.show(1, 2000, kHundredRowChart);
    PanelHost::processPending();
    EXPECT_EQ(host.pageKind(), kChartPageKind);
    EXPECT_EQ(host.rowNames(), names);
    EXPECT_EQ(PanelHost::counters().requests.load(), requests);
    EXPECT_TRUE(host.list()->isVisible()); // view mode 1 would have hidden the list
    EXPECT_EQ(host.entry<KestoEntry48>(48)(0), 0);

    // An unreadable reply: an empty list and no message.
    PanelHost::overrideReplies("this is not a list");
    host.show(2, 2500);
    PanelHost::overrideReplies(std::nullopt);
    PanelHost::processPending();
    EXPECT_EQ(host.list()->rowCount(), 0);
    EXPECT_EQ(PanelHost::boxesShown(), 0);
    // Unknown menu ids show page kind 0 and ask nothing.
    PanelHost::counters().reset();
    host.show(2, 777);
    EXPECT_EQ(host.pageKind(), 0);
    EXPECT_EQ(host.list()->rowCount(), 0);
}

TEST_F(ListPanelTest, FolderPagePostsReadyAndShowsItsAudioFilesNewestFirst) {
    // An empty folder shows an empty list without a reader.
    host.entry<KestoEntry38>(38)(folderWith("empty", 0).c_str());
    PanelHost::processPending();
    EXPECT_EQ(host.pageKind(), kFolderPageKind);
    EXPECT_EQ(host.list()->rowCount(), 0);
    EXPECT_EQ(host.panelLog().count(msg::kLocalPageReady), 0);

    const auto folder = folderWith("storage", 12);
    std::ofstream(folder / "notes.txt") << "not audio";
    // Ages in an order that is neither the names' nor their reverse.
    const auto now = std::filesystem::file_time_type::clock::now();
    std::vector<std::string> newestFirst(12);
    for (int i = 0; i < 12; ++i) {
        const int age = i * 5 % 12;
        newestFirst[static_cast<std::size_t>(age)] = "song" + std::to_string(1000 + i);
        std::filesystem::last_write_time(folder / ("song" + std::to_string(1000 + i) + ".mp3"),
                                         now - std::chrono::hours(24 * (age + 1)));
    }
    host.entry<KestoEntry38>(38)(folder.c_str());
    ASSERT_TRUE(waitForReady(1));
    PanelHost::processPending();
    EXPECT_EQ(host.pageKind(), kFolderPageKind);
    EXPECT_EQ(host.rowNames(), newestFirst);
    for (const Song* record : host.rowRecords())
        EXPECT_EQ(std::filesystem::path(record->text(SongField::Local_Path)).parent_path(), folder);
    EXPECT_EQ(host.columnTitles(), titlesOf(kFolderPageKind));
}

TEST_F(ListPanelTest, FilesDroppedOnALocalAlbumGoIntoTheDatabaseAndTheList) {
    const auto folder = folderWith("dropped", 3);
    addAlbum("7", "Road Trip");
    host.show(4, 4100, "7");
    PanelHost::processPending();
    EXPECT_EQ(host.list()->rowCount(), 0);
    const std::string list =
        fileList({folder / "song1000.mp3", folder / "song1001.mp3", folder / "song1002.mp3"});
    EXPECT_EQ(host.entry<KestoEntry73>(73)(list.c_str()), 3);
    ASSERT_TRUE(waitForReady(1));
    EXPECT_EQ(host.list()->rowCount(), 3);
    // The same files again: the album keeps one row each.
    EXPECT_EQ(host.entry<KestoEntry73>(73)(list.c_str()), 0);
    ASSERT_TRUE(waitForReady(2));
    EXPECT_EQ(host.list()->rowCount(), 3);
}

TEST_F(ListPanelTest, PageSwitchWaitsForTheFolderReaderThenFetches) {
    const auto folder = folderWith("large", 300);
    PanelHost::holdTags(true);
    host.entry<KestoEntry38>(38)(folder.c_str());
    ASSERT_TRUE(PanelHost::processUntil([] { return PanelHost::tagReadHeld(); }, 5s));
    std::thread release([] { PanelHost::holdTags(false); });
    host.show(2, kChartMenu, kFiftyRowChart);
    release.join();
    // The whole folder was read before the server list went in.
    EXPECT_EQ(PanelHost::counters().tagReads.load(), 300);
    EXPECT_EQ(host.pageKind(), kChartPageKind);
    EXPECT_EQ(host.rowNames(), serviceNames(kFiftyRowChart, 0));
    // The folder's late ready message does not bring its page back.
    ASSERT_TRUE(waitForReady(1));
    PanelHost::processPending();
    EXPECT_EQ(host.pageKind(), kChartPageKind);
    EXPECT_EQ(host.columnTitles(), titlesOf(kChartPageKind));
    EXPECT_EQ(host.list()->rowCount(), 50);
    for (const Song* record : host.rowRecords())
        EXPECT_STREQ(record->text(SongField::Local_Path), "");
}

TEST_F(ListPanelTest, ListPagingGoesForwardAndBack) {
    host.show(2, kChartMenu, kHundredRowChart);
    const auto first = host.rowNames();
    ASSERT_EQ(first, serviceNames(kHundredRowChart, 0));
    host.click(cmd::kPreviousListPage); // already on the first list page: nothing
    PanelHost::processPending();
    EXPECT_EQ(host.panelLog().count(msg::kPreviousListPage), 0);

    host.click(cmd::kNextListPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kNextListPage) == 1; }, 5s));
    EXPECT_EQ(host.rowNames(), serviceNames(kHundredRowChart, 1));
    EXPECT_NE(host.rowNames(), first);

    host.click(cmd::kPreviousListPage);
    ASSERT_TRUE(
        PanelHost::processUntil([&] { return host.panelLog().count(msg::kPreviousListPage) == 1; }, 5s));
    EXPECT_EQ(host.rowNames(), first);
}

TEST_F(ListPanelTest, PageHistoryStepsBackAndForward) {
    host.show(2, kChartMenu, kFiftyRowChart);
    host.show(2, 2400);
    EXPECT_EQ(host.pageKind(), 17);
    EXPECT_EQ(host.entry<KestoEntry48>(48)(0), 1);
    EXPECT_EQ(host.entry<KestoEntry48>(48)(1), 0);
    host.entry<KestoEntry47>(47)(0);
    EXPECT_EQ(host.pageKind(), kChartPageKind);
    EXPECT_EQ(host.rowNames(), serviceNames(kFiftyRowChart, 0));
    EXPECT_EQ(host.entry<KestoEntry48>(48)(1), 1);
    host.click(cmd::kNextPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.pageKind() == 17; }, 5s));
    EXPECT_EQ(host.entry<KestoEntry48>(48)(1), 0);
}

TEST_F(ListPanelTest, DestroyTearsDownWhileAReaderRuns) {
    const auto folder = folderWith("large", 200);
    PanelHost::holdTags(true);
    host.entry<KestoEntry38>(38)(folder.c_str());
    ASSERT_NE(host.panelWindow(), nullptr);
    // The reader is in the middle of a read when the host destroys the panel.
    ASSERT_TRUE(PanelHost::processUntil([] { return PanelHost::tagReadHeld(); }, 5s));
    std::thread release([] { PanelHost::holdTags(false); });
    EXPECT_EQ(host.entry<KestoEntry17>(17)(), 1);
    release.join();
    // The panel's window is gone with all its children.
    EXPECT_EQ(host.entry<KestoEntry20>(20)(), nullptr);
    EXPECT_TRUE(host.hostWindow()->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(host.pageKind(), 0);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), 0);
    host.show(2, kChartMenu, kFiftyRowChart); // nothing to show it in
    PanelHost::processPending();
}

} // namespace
} // namespace kesto::test
