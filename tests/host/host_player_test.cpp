// The reference host's player driven offscreen: the real main window, session, module and
// in-process service in a fresh data folder; songs are picked in the panel and played by the
// host. Every test runs in its own process (the module takes one host window per load).
#include "host/audio_engine.h"
#include "host/data_folder.h"
#include "host/demo_library.h"
#include "host/host_messages.h"
#include "host/host_panel_area.h"
#include "host/host_player.h"
#include "host/host_session.h"
#include "host/lyrics_pane.h"
#include "host/main_window.h"
#include "host/play_controller.h"
#include "host/transport_bar.h"
#include "host/web_page_window.h"
#include "include/kesto/panel_api.h"
#include "listview/song_list_view.h"
#include "platform/host_block.h"
#include "platform/qt_message_port.h"
#include "songs/panel_messages.h"

#include "tests/support/own_download_folder.h"
#include "tests/support/qt_test_process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>

namespace kesto {
namespace {

constexpr int kChartMenu = 1001;
constexpr int kNowPlayingMenu = 0;
constexpr int kLocalAlbumMenu = 4100;
constexpr int kLoadPlayListCommand = 40069;

// Generous: the machine may be busy with other builds and tests; a pass returns at once.
bool waitFor(const std::function<bool()>& done, int limitMs = 30000) {
    return QTest::qWaitFor(done, limitMs);
}

class HostPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(data.open(DataFolder::Kind::Fresh, {}, why)) << why;
        test::ownDownloadFolder(data.path());
        window = std::make_unique<MainWindow>();
        window->show();
        session = std::make_unique<HostSession>(*window);
        ASSERT_TRUE(session->start(QStringLiteral(KESTO_MODULE_FILE), data.path()));
        player = std::make_unique<HostPlayer>(*window, *session);
    }
    void TearDown() override {
        player.reset();
        session.reset();
        window.reset();
    }

    PlayController& controller() { return player->controller(); }
    bool logHas(const QString& text) const { return window->logText().contains(text); }

    // Ticks every row of the shown page and presses the panel's listen button.
    void listenToAll() {
        session->module().entry<KestoEntry53>(53)(1);
        auto* listen =
            window->panelArea()->findChild<QAbstractButton*>(QStringLiteral("button%1").arg(cmd::kListen));
        ASSERT_NE(listen, nullptr);
        listen->click();
    }
    bool playing(int position) {
        return controller().position() == position && controller().engine().isPlaying() &&
               controller().engine().duration() > 0;
    }
    // Lets the song run out from a little before its end.
    void skipToEnd() { controller().engine().seek(controller().engine().duration() - 300); }
    void showLocalAlbum() {
        session->showMenuId(kLocalAlbumMenu, DemoLibrary::kAlbumId);
        // The album reader posts its rows from its thread.
        ASSERT_TRUE(waitFor([this] {
            KestoRect rect{};
            const auto* list = static_cast<const SongListView*>(
                static_cast<QWidget*>(session->module().entry<KestoEntry74>(74)(1, &rect)));
            return session->module().entry<KestoEntry13>(13)() == 5 && list != nullptr &&
                   list->rowCount() == static_cast<int>(DemoLibrary::songs().size());
        }));
    }

    DataFolder data;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<HostSession> session;
    std::unique_ptr<HostPlayer> player;
};

TEST_F(HostPlayerTest, ListenOnAChartPlaysTheGrantedStreamAndMarksTheRow) {
    session->showMenuId(kChartMenu, "00101");
    testing::internal::CaptureStdout();
    listenToAll();
    ASSERT_TRUE(waitFor([this] { return playing(0) && controller().engine().position() > 300; }));
    const std::string out = testing::internal::GetCapturedStdout();
    const auto& song = controller().song();
    EXPECT_EQ(song.isLocal, 0);
    const std::string stream = session->service().baseUrl() + "/stream/" + song.songId + ".wav";
    EXPECT_EQ(song.streamAddress, stream); // the first result text of entry 24
    EXPECT_GT(song.playSeconds, 0);
    EXPECT_NE(out.find("kesto-player: playing \""), std::string::npos) << out;
    EXPECT_NE(out.find("\" from " + stream + "\n"), std::string::npos) << out;
    EXPECT_EQ(session->module().entry<KestoEntry0>(0)(), 50); // the first list page of the chart
    // The stream is as long as the catalogue says.
    EXPECT_NEAR(controller().engine().duration() / 1000.0, song.playTime, 1.0);
    EXPECT_TRUE(logHas(QStringLiteral("1133 play now-playing list from 0")));
    // Pause and play again from the host's controls.
    controller().togglePause();
    ASSERT_TRUE(waitFor([this] { return controller().engine().isPaused(); }));
    controller().togglePause();
    ASSERT_TRUE(waitFor([this] { return controller().engine().isPlaying(); }));
}

TEST_F(HostPlayerTest, EndOfSongMovesOnByThePlayMode) {
    showLocalAlbum();
    listenToAll();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));
    EXPECT_EQ(controller().song().isLocal, 1);
    const int songs = session->module().entry<KestoEntry0>(0)();
    ASSERT_EQ(songs, static_cast<int>(DemoLibrary::songs().size()));

    // Shuffle plays every song of the list once before any plays again.
    controller().setMode(PlayMode::Shuffle);
    std::set<int> heard{0};
    for (int i = 1; i < songs; ++i) {
        const int was = controller().position();
        skipToEnd();
        ASSERT_TRUE(waitFor([this, was] {
            return controller().position() != was && controller().engine().isPlaying() &&
                   controller().engine().duration() > 0;
        }));
        EXPECT_TRUE(heard.insert(controller().position()).second) << controller().position();
    }
    EXPECT_EQ(heard.size(), static_cast<std::size_t>(songs));
    controller().playFrom(0);
    ASSERT_TRUE(waitFor([this] { return playing(0); }));

    controller().setMode(PlayMode::InOrder);
    skipToEnd();
    ASSERT_TRUE(waitFor([this] { return playing(1); }));

    // Repeat one: the same song starts again.
    int started = 0;
    QObject::connect(&controller(), &PlayController::songChanged, [&started] { ++started; });
    controller().setMode(PlayMode::RepeatOne);
    skipToEnd();
    ASSERT_TRUE(waitFor([&started] { return started == 1; }));
    EXPECT_TRUE(waitFor([this] { return playing(1); }));

    // Repeat all wraps from the last song to the first; in order ends there.
    controller().setMode(PlayMode::RepeatAll);
    controller().previous();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));
    controller().previous();
    ASSERT_TRUE(waitFor([this, songs] { return playing(songs - 1); }));
    skipToEnd();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));
    controller().setMode(PlayMode::InOrder);
    controller().playFrom(songs - 1);
    ASSERT_TRUE(waitFor([this, songs] { return playing(songs - 1); }));
    skipToEnd();
    ASSERT_TRUE(waitFor([this] { return !controller().active(); }));
    EXPECT_TRUE(logHas(QStringLiteral("playing stopped: the end of the list")));
}

TEST_F(HostPlayerTest, TheHostControlsPauseStepSeekSetTheVolumeAndModeAndStop) {
    showLocalAlbum();
    listenToAll();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));
    TransportBar& bar = player->transport();
    auto* play = bar.findChild<QPushButton*>(QStringLiteral("playPause"));
    auto* next = bar.findChild<QPushButton*>(QStringLiteral("nextSong"));
    auto* previous = bar.findChild<QPushButton*>(QStringLiteral("previousSong"));
    auto* stop = bar.findChild<QPushButton*>(QStringLiteral("stopSong"));
    auto* seek = bar.findChild<QSlider*>(QStringLiteral("seekSlider"));
    auto* volume = bar.findChild<QSlider*>(QStringLiteral("volumeSlider"));
    auto* mode = bar.findChild<QComboBox*>(QStringLiteral("playMode"));
    ASSERT_TRUE(play && next && previous && stop && seek && volume && mode);

    play->click();
    ASSERT_TRUE(waitFor([this] { return controller().engine().isPaused(); }));
    EXPECT_EQ(play->text(), QStringLiteral("▶ 재생"));
    play->click();
    ASSERT_TRUE(waitFor([this] { return controller().engine().isPlaying(); }));
    next->click();
    ASSERT_TRUE(waitFor([this] { return playing(1); }));
    previous->click();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));

    seek->setSliderDown(true);
    seek->setSliderPosition(10);
    seek->setSliderDown(false);
    ASSERT_TRUE(waitFor([this] { return controller().engine().position() >= 10000; }));
    EXPECT_TRUE(waitFor([&bar] { return bar.timeLabel()->text().startsWith(QStringLiteral("00:1")); }));
    volume->setValue(30);
    EXPECT_EQ(controller().engine().volume(), 30);
    mode->setCurrentIndex(static_cast<int>(PlayMode::RepeatOne));
    EXPECT_EQ(controller().mode(), PlayMode::RepeatOne);

    stop->click();
    EXPECT_FALSE(controller().active());
    EXPECT_EQ(bar.songLabel()->text(), QStringLiteral("재생 중인 곡 없음"));
    // With nothing playing, play starts the now-playing list from its top.
    play->click();
    EXPECT_TRUE(waitFor([this] { return playing(0); }));
}

TEST_F(HostPlayerTest, ASongThatCannotBeLoadedIsSkippedWithItsReason) {
    showLocalAlbum();
    // The second file goes after the page listed it.
    std::filesystem::remove(DemoLibrary::folderIn(data.path()) / DemoLibrary::songs()[1].file);
    controller().setMode(PlayMode::InOrder);
    listenToAll();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));
    skipToEnd();
    ASSERT_TRUE(waitFor([this] { return playing(2); })) << window->logText().toStdString();
    EXPECT_TRUE(logHas(QStringLiteral("cannot play"))) << window->logText().toStdString();
    EXPECT_TRUE(logHas(QStringLiteral("skipping it")));
}

TEST_F(HostPlayerTest, PagesOfPlayedSongsOpenInTheHostBrowserAndLyricsPane) {
    session->showMenuId(kChartMenu, "00101");
    listenToAll();
    ASSERT_TRUE(waitFor([this] { return playing(0); }));
    const std::uint16_t first[] = {1, 0};
    // Song information (1151): the host's page with the module's form.
    session->module().entry<KestoEntry62>(62)(8, first, 0);
    ASSERT_TRUE(waitFor([this] { return !player->web().lastPage().isEmpty(); }));
    EXPECT_EQ(player->web().lastPage().path(), QStringLiteral("/song_info.jsp"));
    EXPECT_TRUE(player->web().lastForm().contains("song_id=" +
                                                  QByteArray::fromStdString(controller().song().songId)));
    // The song's web page by the log-in hand-off (1157), opened by POST.
    session->module().entry<KestoEntry62>(62)(9, first, 0);
    ASSERT_TRUE(
        waitFor([this] { return player->web().lastPage().path() == QStringLiteral("/LoginAppToWeb.jsp"); }));
    EXPECT_TRUE(player->web().lastForm().contains("appParam=1"));
    // Lyrics (1426) come into the host's pane.
    const QByteArray id = QByteArray::fromStdString(controller().song().songId);
    QtMessagePort::instance().post(
        window->panelArea(), KESTO_MSG_LYRICS_WANTED, 0,
        reinterpret_cast<std::intptr_t>(HostBlock::copyForHost(id.toStdString(), 21)));
    ASSERT_TRUE(waitFor([this] { return !player->lyrics().page().isEmpty(); }));
    EXPECT_EQ(player->lyrics().page().path(), QStringLiteral("/lyrics.jsp"));
    EXPECT_TRUE(player->lyrics().page().query().contains("song_id=" + QString::fromLatin1(id)));
}

TEST_F(HostPlayerTest, ServerErrorsAreShownAndAnEndedLogInIsRenewed) {
    QtMessagePort::instance().post(window->panelArea(), KESTO_MSG_SERVER_ERROR, -10000, 0);
    ASSERT_TRUE(waitFor([this] { return !player->messages().lastError().isEmpty(); }));
    auto* box = window->findChild<QMessageBox*>(QStringLiteral("serverErrorBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    const int logIns = window->logText().count(QStringLiteral("entry 39: logged in"));
    QtMessagePort::instance().post(window->panelArea(), KESTO_MSG_LOGIN_INVALID, 0, 0);
    ASSERT_TRUE(waitFor([this, logIns] {
        return window->logText().count(QStringLiteral("entry 39: logged in")) == logIns + 1;
    }));
    // The panel works on with the new log-in.
    session->showMenuId(kChartMenu, "00101");
    listenToAll();
    EXPECT_TRUE(waitFor([this] { return playing(0); }));
}

TEST_F(HostPlayerTest, LoadingAPlayListFillsTheNowPlayingList) {
    session->showMenuId(kNowPlayingMenu);
    // The now-playing list's menu entry "불러오기 플레이리스트".
    // Entry 74 hands out the list control; the module made it from the same sources.
    KestoRect rect{};
    auto* list = static_cast<SongListView*>(
        static_cast<QWidget*>(session->module().entry<KestoEntry74>(74)(1, &rect)));
    ASSERT_NE(list, nullptr);
    list->runCommand(kLoadPlayListCommand);
    QInputDialog* dialog = nullptr;
    ASSERT_TRUE(waitFor([this, &dialog] {
        dialog = window->findChild<QInputDialog*>(QStringLiteral("loadPlayListDialog"));
        return dialog != nullptr && dialog->isVisible();
    }));
    dialog->setTextValue(QStringLiteral("드라이브 플레이리스트"));
    dialog->accept();
    std::size_t inPlayList = 0;
    for (const DemoSong& song : DemoLibrary::songs())
        inPlayList += song.inPlayList ? 1 : 0;
    ASSERT_TRUE(waitFor([this, inPlayList] {
        return session->module().entry<KestoEntry0>(0)() == static_cast<int>(inPlayList);
    }));
    controller().playFrom(0);
    EXPECT_TRUE(waitFor([this] { return playing(0) && controller().song().isLocal == 1; }));
}

} // namespace
} // namespace kesto

int main(int argc, char** argv) {
    // Test discovery runs the program too, with no display and no test environment.
    kesto::test::prepareQtTestProcess();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
