// Show page, its readers and the dispatch table without a window: a recording
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
    bool recordAt(int row, SongRecord& out) const override {
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
    std::vector<SongRecord> rows;
    std::vector<int> ticked;
    int hostUpdates = 0;
    std::vector<int> killed;
    std::vector<std::string> addresses;
    std::vector<std::pair<std::string, std::string>> posts;
    std::string words;
};

// A chart reply of `rows` rows, as the service list layout reads it.
std::string chartReply(int rows, int page) {
    std::string text = std::to_string(rows) + "\x0B" + std::to_string(page) + "\x0B" + "100\x0BTitle\x0B" +
                       "00101\x0Bhttp://127.0.0.1/chart.jsp";
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(page * 50 + i);
        for (const std::string& field :
             {"S" + n, std::string("00000"), "Song " + n, std::string("200"), std::string("100"),
              std::string("A1"), std::string("Artist"), std::string("B1"), std::string("Album"),
              std::string("0"), std::string("1"), std::string(""), std::string("0"), n})
            text += "\x0B" + field;
    }
    return text;
}

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
        SongRecord record = SongRecord::make();
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

TEST_F(PageLogicTest, RowMessagesHandTheRowsWebPagesToTheHost) {
    SongRecord song = SongRecord::make();
    copyField(song.Song_ID, "S7");
    copyField(song.MV_ID, "MV3");
    window.rows.push_back(song);
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kRowMusicVideo, 0, 5));
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kMusicVideoPage, 0, 5));
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kMvDownloadPage2, 0, 5));
    EXPECT_TRUE(
        DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kMusicVideoPage, 1, 5)); // no row 1
    ASSERT_EQ(rig.port.posted.size(), 3u);
    const unsigned expected[] = {KESTO_MSG_OPEN_WEB_PAGE, KESTO_MSG_MUSIC_VIDEO_PAGE,
                                 KESTO_MSG_MV_DOWNLOAD_PAGE};
    for (std::size_t i = 0; i < 3; ++i) {
        const Posted posted = rig.port.posted[i];
        EXPECT_EQ(posted.message, expected[i]);
        EXPECT_EQ(posted.target, &rig.hostWindow);
        const std::string address = rig.port.take(posted.wParam);
        const std::string body = rig.port.take(posted.lParam);
        EXPECT_NE(address.find(i == 2 ? "mv_down.jsp" : "music_video.jsp"), std::string::npos) << address;
        EXPECT_NE(body.find(i == 0 ? "song_id=S7" : "p_mvid=MV3"), std::string::npos) << body;
    }
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

struct CountingHandlers : PanelHandlers {
    void layOut(W, L) override { calls.push_back("layOut"); }
    void timerFired(W, L) override { calls.push_back("timer"); }
    void search(W, L) override { calls.push_back("search"); }
    void previousPage(W, L) override { calls.push_back("previous"); }
    void nextPage(W, L) override { calls.push_back("next"); }
    void startPage(W, L) override { calls.push_back("start"); }
    void toListControl(W, L) override { calls.push_back("list"); }
    void nextListPage(W, L) override { calls.push_back("nextList"); }
    void previousListPage(W, L) override { calls.push_back("previousList"); }
    void reloadPage(W, L) override { calls.push_back("reload"); }
    void showNextListPage(W w, L) override { calls.push_back("showNext" + std::to_string(w)); }
    void showPreviousListPage(W w, L) override { calls.push_back("showPrevious" + std::to_string(w)); }
    void localPageReady(W w, L l) override {
        calls.push_back("ready" + std::to_string(w) + "/" + std::to_string(l));
    }
    void updateAndReload(W, L) override { calls.push_back("update"); }
    std::vector<std::string> calls;
};

TEST(DispatchTableTest, EveryButtonAndPanelMessageHasOneOperation) {
    for (const int id : cmd::kButtonOrder) {
        if (id != cmd::kBlankButton) {
            EXPECT_NE(DispatchTable::find(MessageSource::Command, static_cast<unsigned>(id)), nullptr) << id;
        }
    }
    for (const unsigned message :
         {1076u, 1084u, 1085u, 1086u, 1087u, 1088u, 1089u, 1090u, 1091u, 1092u, 1093u, 1094u, 1098u,
          1101u, 1102u, 1103u, 1105u, 1106u, 1107u, 1108u, 1109u, 1110u, 1111u, 1112u, 1117u, 1119u,
          1120u, 1123u, 1124u, 1126u, 1146u, 1147u, 1209u, 1210u, 1211u, 1212u, 1430u})
        EXPECT_NE(DispatchTable::find(MessageSource::Panel, message), nullptr) << message;
    const auto entries = DispatchTable::entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = i + 1; j < entries.size(); ++j)
            EXPECT_FALSE(entries[i].source == entries[j].source && entries[i].id == entries[j].id)
                << entries[i].id;
}

TEST(DispatchTableTest, MessagesReachTheirHandlerWithTheirParameters) {
    CountingHandlers handlers;
    EXPECT_TRUE(DispatchTable::dispatch(handlers, MessageSource::Panel, msg::kLocalPageReady, 4, 6));
    EXPECT_TRUE(DispatchTable::dispatch(handlers, MessageSource::Panel, msg::kNextListPage, 3, 0));
    EXPECT_TRUE(DispatchTable::dispatch(handlers, MessageSource::Command, cmd::kPreviousPage, 0, 0));
    EXPECT_TRUE(DispatchTable::dispatch(handlers, MessageSource::Window, msg::kWindowSize, 0, 0));
    EXPECT_TRUE(DispatchTable::dispatch(handlers, MessageSource::Command, cmd::kListen, 0, 0));
    EXPECT_FALSE(DispatchTable::dispatch(handlers, MessageSource::Panel, 1999, 0, 0));
    // The same number means different things as a command and as a message.
    EXPECT_TRUE(DispatchTable::dispatch(handlers, MessageSource::Command, cmd::kNextListPage, 0, 0));
    EXPECT_EQ(handlers.calls,
              (std::vector<std::string>{"ready4/6", "showNext3", "previous", "layOut", "nextList"}));
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

SongRecord rowSong(const char* id) {
    SongRecord song = SongRecord::make();
    copyField(song.Song_ID, id);
    copyField(song.Artist_ID, "AR5");
    copyField(song.Album_ID, "AL6");
    copyField(song.Row_Text, "G42");
    copyField(song.Menu_ID, "00456");
    return song;
}

std::string utf8(const std::string& cp949) {
    return Cp949::toUtf8(cp949);
}

TEST_F(PageLogicTest, GiftMessagePagesCarryTheSentFlagOfTheGiftBox) {
    window.rows.push_back(rowSong("S7"));
    state.pageKind = 10; // received gifts
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kGiftMessagePage, 0, 0));
    state.pageKind = 11; // sent gifts
    SongRecord sent = rowSong("S8");
    copyField(sent.Row_Text, "G99");
    window.rows.push_back(sent);
    pages->chosenGiftMessagePage(0, 0); // nothing chosen
    window.ticked = {1};
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kChosenGiftMessagePage, 0, 0));
    pages->giftMessagePage(3, 0); // no such row
    EXPECT_EQ(window.addresses,
              (std::vector<std::string>{"http://127.0.0.1:8080/app/message.jsp?is_send=0&gift_id=G42",
                                        "http://127.0.0.1:8080/app/message.jsp?is_send=1&gift_id=G99"}));
}

TEST_F(PageLogicTest, PhoneDecorationOfARowGoesToTheHostWithItsKind) {
    SongRecord decorated = rowSong("S7");
    decorated.Phone_Deco = 3; // the song's own kind, whichever column was clicked
    window.rows.push_back(decorated);
    SongRecord file = SongRecord::make();
    copyField(file.Local_Path, "/music/a.mp3");
    window.rows.push_back(file);
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kPhoneDecoPage, 0, 9));
    pages->phoneDecoPage(1, 3); // a local file has no page
    ASSERT_EQ(rig.port.posted.size(), 1u);
    EXPECT_EQ(rig.port.posted[0].message, static_cast<unsigned>(KESTO_MSG_PHONE_DECO_PAGE));
    EXPECT_EQ(rig.port.take(rig.port.posted[0].wParam), "http://127.0.0.1:8080/web/phone_deco.jsp");
    EXPECT_EQ(rig.port.take(rig.port.posted[0].lParam),
              "userid=user1&password=pw&song_id=S7&Phone_Deco_Flag=3&u_key=KEY9");
}

TEST_F(PageLogicTest, FormsArtistIndexAndGenericRequestReachTheirPlaces) {
    const char address[] = "http://127.0.0.1:8080/web/form.jsp";
    const char body[] = "a=1&b=2";
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kPostFormToHtmlView,
                                        reinterpret_cast<std::intptr_t>(address),
                                        reinterpret_cast<std::intptr_t>(body)));
    ASSERT_EQ(window.posts.size(), 1u);
    EXPECT_EQ(window.posts[0], std::make_pair(std::string(address), std::string(body)));
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Command, cmd::kArtistIndex, 0, 0));
    EXPECT_EQ(window.addresses.back(), "http://127.0.0.1:8080/web/artist_index.jsp");

    pages->genericRequest(2, 0); // no list page shown: nothing goes out
    EXPECT_TRUE(rig.host.calls().empty());
    rig.host.reply(chartReply(3, 0));
    pages->open(request(2, kChartMenu, "00101"));
    rig.host.fail();
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kGenericRequest, 2, 0));
    ASSERT_EQ(rig.host.calls().size(), 2u);
    EXPECT_EQ(rig.host.calls()[1].url, rig.host.calls()[0].url);
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
        SongRecord song = rowSong("S1");
        copyField(song.Cart_Item_ID, item);
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

TEST_F(PageLogicTest, LyricsOfARowOrOfThePlayedSongShowItsPageOrTheMessage) {
    SongRecord withLyrics = rowSong("S7");
    withLyrics.Has_Lyrics = 1;
    window.rows.push_back(withLyrics);
    window.rows.push_back(rowSong("S8")); // no lyrics
    nowPlaying.addCopy(&withLyrics);
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kRowLyrics, 1, 0));
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(utf8(rig.box.shown[0].text), "가사가 지원되지 않는 곡입니다");
    EXPECT_EQ(rig.box.shown[0].style, 16);
    EXPECT_TRUE(window.addresses.empty());
    EXPECT_TRUE(rig.port.posted.empty());

    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kLyrics, 0, 0));
    const std::string page =
        "http://127.0.0.1:8080/app/lyrics.jsp?u_id=user1&u_key=KEY9&song_id=S7&is_exist=1";
    EXPECT_EQ(window.addresses, std::vector<std::string>{page});
    ASSERT_EQ(rig.port.posted.size(), 1u);
    EXPECT_EQ(rig.port.posted[0].message, static_cast<unsigned>(KESTO_MSG_LYRICS_WANTED));
    EXPECT_EQ(rig.port.take(rig.port.posted[0].lParam), "S7");
    pages->lyrics(0, 5); // no such row
    pages->openLyricsPage("S9");
    EXPECT_EQ(window.addresses.back(), "http://127.0.0.1:8080/app/lyrics.jsp?song_id=S9");
    EXPECT_EQ(window.addresses.size(), 2u);
}

TEST_F(PageLogicTest, SongPagesOfARowRefuseGreySongsAndAskWithoutASongWhenNoRow) {
    window.rows.push_back(rowSong("S7"));
    SongRecord stopped = rowSong("S8");
    stopped.Serviceable = 0;
    window.rows.push_back(stopped);
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kRowSongWebPage, 0, 0));
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kRowSongWebPage, 0, 1));
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].style, 16);
    window.ticked = {0};
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kInfoPage, 0, 0));
    window.ticked.clear();
    EXPECT_TRUE(DispatchTable::dispatch(*pages, MessageSource::Panel, msg::kInfoPage, 0, 0));
    ASSERT_EQ(rig.port.posted.size(), 3u);
    EXPECT_EQ(rig.port.posted[0].message, static_cast<unsigned>(KESTO_MSG_SONG_WEB_PAGE));
    EXPECT_EQ(rig.port.take(rig.port.posted[0].wParam), "http://127.0.0.1:8080/web/LoginAppToWeb.jsp?");
    EXPECT_EQ(rig.port.take(rig.port.posted[0].lParam),
              "userid=user1&password=pw&u_key=KEY9&appParam=1&webParam=\x0bp_songid=S7\x0bp_menuid=00456");
    EXPECT_EQ(rig.port.take(rig.port.posted[1].wParam),
              "userid=user1&password=pw&song_id=S7&album_id=AL6&artist_id=AR5&u_key=KEY9");
    EXPECT_EQ(rig.port.take(rig.port.posted[2].wParam),
              "userid=user1&password=pw&song_id=&album_id=&artist_id=&u_key=KEY9");
}

} // namespace
} // namespace kesto::test
