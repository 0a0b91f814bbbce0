// Show page, its readers and the panel's commands without a window: a recording
// view, the protocol doubles for the host, a quick tag reader on real files.
#include "library/local_record_factory.h"
#include "pages/codec_setting.h"
#include "pages/dispatch_table.h"
#include "pages/local_page_reader.h"
#include "pages/panel_window_ops.h"
#include "pages/show_page.h"
#include "pages/song_commands.h"
#include "platform/cp949.h"
#include "protocol/protocol_doubles.h"
#include "settings/registry_file.h"
#include "settings/registry_section.h"
#include "songs/list_pages.h"
#include "songs/panel_messages.h"
#include "songs/song_store.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace kesto::test {
namespace {

constexpr int kChartMenu = 1001;
constexpr int kChartKind = 19;
constexpr int kPanelWindow = 0;
WindowHandle panelWindow() {
    static int window = kPanelWindow;
    return &window;
}

int quickTags(const char* path, void* buffer) {
    const char* name = std::strrchr(path, '/');
    std::strncpy(static_cast<char*>(buffer) + KESTO_TAG_TITLE, name != nullptr ? name + 1 : path, 200);
    return 1;
}

struct RecordingView : PageView {
    void setViewMode(int) override {}
    void dropRows() override {}
    void showList(SongStore& store, const ListHandOver&) override { rows = store.count(); }
    void showCurrent(int row) override { current = row; }
    int rows = -1;
    int current = -2;
};

struct RecordingWindow : PanelWindowOps {
    void layOut() override {}
    void killTimer(int id) override { killed.push_back(id); }
    void navigateHtml(const std::string& address) override { addresses.push_back(address); }
    void postHtml(const std::string& address, const std::string& body) override {
        posts.push_back({address, body});
    }
    void refreshButtons() override {}
    void forwardToListControl() override {}
    void updateHost() override { ++hostUpdates; }
    std::string searchWords() const override { return words; }
    bool recordAt(int row, Song& out) const override {
        if (row < 0 || row >= static_cast<int>(rows.size()))
            return false;
        out = rows[static_cast<std::size_t>(row)];
        return true;
    }
    Selection tickedSongs() const override {
        Selection chosen;
        for (const int row : ticked)
            chosen.add(rows[static_cast<std::size_t>(row)], row);
        return chosen;
    }
    std::vector<Song> rows;
    std::vector<int> ticked;
    int hostUpdates = 0;
    std::vector<int> killed;
    std::vector<std::string> addresses;
    std::vector<std::pair<std::string, std::string>> posts;
    std::string words;
};

class PageLogicTest : public ::testing::Test {
protected:
    PageLogicTest() : factory(&quickTags) {
        rig.context.port = &rig.port;
        ShowPageParts parts;
        parts.context = &rig.context;
        parts.state = &state;
        parts.list = &list;
        parts.nowPlaying = &nowPlaying;
        parts.view = &view;
        parts.folderWorker = &folderWorker;
        parts.albumWorker = &albumWorker;
        parts.factory = &factory;
        parts.folderFiles = [this] { return folderFiles; };
        parts.port = &rig.port;
        parts.window = panelWindow();
        showPage = std::make_unique<ShowPage>(std::move(parts));
        pages = std::make_unique<SongCommands>(
            PageControllerParts{showPage.get(), &state, &rig.context, &window, &rig.port, panelWindow()},
            [this] {
                CommandContext context;
                context.protocol = rig.context;
                context.nowPlaying = &nowPlaying;
                context.listStore = &list;
                context.pageKind = state.pageKind;
                context.menuId = state.menuId;
                return context;
            });
    }

    PageRequest request(int viewMode, int menuId, std::string parameter = {}) {
        PageRequest r;
        r.viewMode = viewMode;
        r.menuId = menuId;
        r.parameter = std::move(parameter);
        return r;
    }

    std::vector<std::string> files(int count, const std::string& ext = ".mp3") {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            paths.push_back((folder.path() / ("f" + std::to_string(i) + ext)).string());
            std::ofstream(paths.back()) << "x";
        }
        return paths;
    }

    int postsOf(unsigned message) const {
        int n = 0;
        for (const Posted& p : rig.port.posted)
            n += p.message == message ? 1 : 0;
        return n;
    }

    Rig rig;
    TempFolder folder;
    PageState state;
    SongStore list;
    SongStore nowPlaying;
    RecordingView view;
    RecordingWindow window;
    LocalPageReader folderWorker;
    LocalPageReader albumWorker;
    LocalRecordFactory factory;
    std::vector<std::string> folderFiles;
    std::unique_ptr<ShowPage> showPage;
    std::unique_ptr<SongCommands> pages;
};

TEST_F(PageLogicTest, HtmlOnlyModeLaysThePanelOutAgain) {
    pages->open(request(1, 4242));
    ASSERT_EQ(postsOf(msg::kWindowSize), 1);
    EXPECT_EQ(rig.port.posted[0].wParam, 0);
    EXPECT_EQ(rig.port.posted[0].lParam, 0);
}

TEST_F(PageLogicTest, ReaderStopsAtAnEmptyPathAndWhenThePanelGoes) {
    auto job = std::make_unique<LocalPageJob>();
    job->paths = files(2);
    job->paths.insert(job->paths.begin() + 1, "");
    ReaderSignals signals;
    EXPECT_EQ(LocalPageReader::run(std::move(job), {&list, &factory, &rig.port, panelWindow()}, signals), 0);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(postsOf(msg::kLocalPageReady), 1);

    signals.panelGone = true;
    auto gone = std::make_unique<LocalPageJob>(LocalPageJob::ofFiles(files(2), 4, 6));
    LocalPageReader::run(std::move(gone), {&list, &factory, &rig.port, panelWindow()}, signals);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(postsOf(msg::kLocalPageReady), 1);
    EXPECT_EQ(LocalPageReader::run(nullptr, {}, signals), -1);
}

TEST_F(PageLogicTest, NowPlayingPageShowsItsStoreWithTheCurrentEntry) {
    for (int i = 0; i < 4; ++i) {
        Song record;
        nowPlaying.addCopy(&record);
    }
    nowPlaying.setCurrent(2);
    pages->open(request(4, menu::kNowPlaying));
    EXPECT_EQ(view.rows, 4);
    EXPECT_EQ(view.current, 2);
    EXPECT_EQ(state.pageKind, 1);
}

TEST_F(PageLogicTest, WindowMessagesReachTheirOperations) {
    pages->timerFired(PageController::kOneShotTimer, 0);
    pages->timerFired(7, 0);
    EXPECT_EQ(window.killed, std::vector<int>{PageController::kOneShotTimer});
    pages->updateAndReload(5, 9);
    EXPECT_EQ(window.hostUpdates, 0);
    pages->updateAndReload(msg::kReloadToken, 9);
    EXPECT_EQ(window.hostUpdates, 1);
    EXPECT_EQ(rig.port.posted.back().message, msg::kReloadPage);
    EXPECT_EQ(rig.port.posted.back().wParam, msg::kReloadToken);
    EXPECT_EQ(rig.port.posted.back().lParam, 9);
    pages->startPage(0, 0);
    EXPECT_EQ(window.addresses, std::vector<std::string>{"http://127.0.0.1:8080/app/"});
}

TEST_F(PageLogicTest, SearchSendsTheWordsToTheSearchEndpoint) {
    pages->search(0, 0);
    EXPECT_TRUE(rig.host.calls().empty()); // no words, no search
    window.words = "rain;drops";
    rig.host.fail();
    pages->search(0, 0);
    ASSERT_EQ(rig.host.calls().size(), 1u);
    EXPECT_NE(rig.host.calls()[0].url.find("protocol_search.jsp?"), std::string::npos);
    EXPECT_NE(rig.host.calls()[0].body->find("rain drops"), std::string::npos);
    EXPECT_EQ(state.pageKind, 22);
}

TEST_F(PageLogicTest, LinksOfTheServicePagesShowTheirLists) {
    rig.host.fail();
    EXPECT_TRUE(pages->followLink("albuminfo://A77;1;0/"));
    ASSERT_EQ(rig.host.calls().size(), 1u);
    EXPECT_NE(rig.host.calls()[0].url.find("album"), std::string::npos);
    EXPECT_NE(rig.host.calls()[0].body->find("A77"), std::string::npos);
    EXPECT_EQ(state.menuId, 2700);
    EXPECT_EQ(state.pageKind, 16);
    EXPECT_TRUE(pages->hasPage(false) == false); // the first page shown
    EXPECT_TRUE(pages->followLink("buyinfo://S1/"));
    EXPECT_FALSE(pages->followLink("http://127.0.0.1/page.jsp"));
    EXPECT_EQ(rig.host.calls().size(), 1u);
}

TEST(CodecSettingTest, MissingValueIsWrittenAsOneAndTwoSelectsTheSecondMode) {
    TempFolder folder;
    auto file = std::make_shared<RegistryFile>(folder.path() / "registry.reg");
    RegistrySection section("SoftWare\\Kesto", file);
    EXPECT_EQ(CodecSetting::read(section), 1);
    EXPECT_EQ(section.readDword("Main", "UpdateCODEC", 0), 1u);
    section.writeDword("Main", "UpdateCODEC", 2);
    EXPECT_EQ(CodecSetting::read(section), 2);
    section.writeDword("Main", "UpdateCODEC", 7);
    EXPECT_EQ(CodecSetting::read(section), 1);
}

} // namespace
} // namespace kesto::test

namespace kesto::test {
namespace {

Song rowSong(const char* id) {
    Song song;
    song.setText(SongField::Song_ID, id);
    song.setText(SongField::Artist_ID, "AR5");
    song.setText(SongField::Album_ID, "AL6");
    song.setText(SongField::Row_Text, "G42");
    song.setText(SongField::Menu_ID, "00456");
    return song;
}

std::string utf8(const std::string& cp949) {
    return Cp949::toUtf8(cp949);
}

TEST_F(PageLogicTest, RowToCartSendsItsSongAndAsksToSeeTheCart) {
    window.rows.push_back(rowSong("S7"));
    rig.host.reply(vt({"1"}));
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kRowToCart, 0, 0));
    ASSERT_EQ(rig.host.calls().size(), 1u);
    EXPECT_EQ(rig.host.calls()[0].url, "http://127.0.0.1:8080/app/protocol.jsp?addToCart");
    EXPECT_EQ(*rig.host.calls()[0].body, vt({"user1", "KEY9", "", "1", "0", "S7", "0"}) + "\x0b");
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(utf8(rig.box.shown[0].text),
              "  선택하신 곡을 장바구니에 담았습니다.\n지금 장바구니를 확인 하시겠습니까?");
    EXPECT_EQ(utf8(rig.box.shown[0].caption), "장바구니");
    EXPECT_EQ(rig.box.shown[0].style, 33);
}

TEST_F(PageLogicTest, DeleteFromCartSendsTheTickedItemsOnly) {
    state.pageKind = page_kind::kCart; // the button acts on the cart alone
    for (const char* item : {"C1", "C2", "C3"}) {
        Song song = rowSong("S1");
        song.setText(SongField::Cart_Item_ID, item);
        window.rows.push_back(song);
    }
    pages->deleteFromCart(0, 0);
    EXPECT_TRUE(rig.host.calls().empty()); // nothing ticked
    window.ticked = {0, 2};
    rig.host.reply(vt({"1"}));
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Command, cmd::kDeleteFromCart, 0, 0));
    ASSERT_EQ(rig.host.calls().size(), 1u);
    EXPECT_EQ(rig.host.calls()[0].url, "http://127.0.0.1:8080/app/protocol.jsp?deleteFromCart");
    EXPECT_EQ(*rig.host.calls()[0].body, vt({"user1", "KEY9", "2", "C1", "C3"}) + "\x0b");
}

} // namespace
} // namespace kesto::test
