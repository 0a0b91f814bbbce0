// The reference host's player driven offscreen: the real main window, session, module and
// in-process service in a fresh data folder; songs are picked in the panel and played by the
// host. Every test runs in its own process (the module takes one host window per load).
#include "columns/column_kind.h"
#include "host/audio/audio_engine.h"
#include "host/audio/play_controller.h"
#include "host/audio/transport_bar.h"
#include "host/demo/demo_library.h"
#include "host/library/play_list_maker.h"
#include "host/session/cp949_text.h"
#include "host/session/data_folder.h"
#include "host/session/host_messages.h"
#include "host/session/host_mini_mode.h"
#include "host/session/host_panel_area.h"
#include "host/session/host_player.h"
#include "host/session/host_session.h"
#include "host/store/demo_account.h"
#include "host/store/host_downloads.h"
#include "host/tour/download_story.h"
#include "host/window/lyrics_pane.h"
#include "host/window/main_window.h"
#include "host/window/web_page_window.h"
#include "include/kesto/panel_api.h"
#include "include/kesto/window_message.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"
#include "platform/host_block.h"
#include "platform/qt_message_port.h"
#include "songs/panel_messages.h"
#include "tests/support/shown_text.h"

#include "tests/support/own_download_folder.h"
#include "tests/support/qt_test_process.h"
#include "tests/support/temp_folder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <tuple>

#include <sqlite3.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace kesto {
namespace {

constexpr int kChartMenu = 1001;
constexpr int kNowPlayingMenu = 0;
constexpr int kLocalAlbumMenu = 4100;
constexpr int kLoadPlayListCommand = 40069;
constexpr int kDownloadStorageMenu = 3000;

// Generous: the machine may be busy with other builds and tests; a pass returns at once.
bool waitFor(const std::function<bool()>& done, int limitMs = 30000) {
    return QTest::qWaitFor(done, limitMs);
}

constexpr unsigned kCommand = 273;
constexpr int kMiniCloseButton = 1006;

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QAction* miniModeAction(QMenuBar& bar) {
    for (QAction* menu : bar.actions())
        if (menu->menu() != nullptr && menu->text() == QString::fromUtf8("미니 모드"))
            return menu->menu()->actions().value(0);
    return nullptr;
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
    // Listens to the whole page and waits for its first song to play.
    bool listenAndPlay() {
        listenToAll();
        return waitFor([this] { return playing(0); });
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
            return session->module().entry<KestoEntry13>(13)() == 5 &&
                   rows() == static_cast<int>(DemoLibrary::songs().size());
        }));
    }

    // Every song of the demo library gets that title tag, every list that name in the album file.
    void nameLocalSongs(const QString& name) {
        for (const DemoSong& song : DemoLibrary::songs()) {
            TagLib::FileRef file((DemoLibrary::folderIn(data.path()) / song.file).c_str());
            ASSERT_FALSE(file.isNull());
            file.tag()->setTitle(TagLib::String(name.toStdString(), TagLib::String::UTF8));
            ASSERT_TRUE(file.save());
        }
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((data.path() / "Playlist" / "MyAlbum.dbf").c_str(), &db), SQLITE_OK);
        const std::string text = Cp949Text::fromUtf8(name.toStdString());
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "update AlbumName_tbl set Album_Name = ?", -1, &statement, nullptr);
        sqlite3_bind_text(statement, 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
    // Entry 74 hands out the list control; the module made it from the same sources.
    SongListView* list() {
        KestoRect rect{};
        return static_cast<SongListView*>(
            static_cast<QWidget*>(session->module().entry<KestoEntry74>(74)(1, &rect)));
    }
    int rows() { return list() == nullptr ? -1 : list()->rowCount(); }
    // The first row's song name, cut short, hovered.
    QString cellToolTip() {
        SongListView* view = list();
        int column = 0;
        while (column < view->columnCount() && view->columnKind(column) != col::kSongName)
            ++column;
        view->header()->resizeSection(column, 12);
        const QPoint at = view->cellRect(0, column).center();
        QHelpEvent event(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &event);
        return test::shownText(QToolTip::text());
    }
    QString labelText(const char* name) {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
        return label == nullptr ? QString() : test::shownText(label->text(), label->textFormat());
    }
    QString errorBoxText() {
        QString texts;
        for (auto* box : window->findChildren<QMessageBox*>(QStringLiteral("serverErrorBox")))
            texts += test::shownText(box->text(), box->textFormat());
        return texts;
    }
    QString playListToolTips() {
        QString tips;
        auto* pane = window->findChild<QTreeWidget*>(QStringLiteral("sourcePane"));
        for (QTreeWidgetItemIterator it(pane); *it != nullptr; ++it)
            tips += test::shownText((*it)->toolTip(0));
        return tips;
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
    // The first result text of entry 24: the stream with the key of this grant.
    EXPECT_TRUE(song.streamAddress.starts_with(stream + "?key=")) << song.streamAddress;
    EXPECT_GT(song.playSeconds, 0);
    EXPECT_NE(out.find("kesto-player: playing \""), std::string::npos) << out;
    EXPECT_NE(out.find("\" from " + song.streamAddress + "\n"), std::string::npos) << out;
    EXPECT_EQ(session->module().entry<KestoEntry0>(0)(), 50); // the first list page of the chart
    // The stream is as long as the grant says: the song bought, a preview of the rest.
    EXPECT_NEAR(controller().engine().duration() / 1000.0,
                song.fullPlay != 0 ? song.playTime : song.playSeconds, 1.0);
    EXPECT_TRUE(logHas(QStringLiteral("1133 play now-playing list from 0")));
    // A stream pauses and plays again from the host's controls.
    controller().togglePause();
    ASSERT_TRUE(waitFor([this] { return controller().engine().isPaused(); }));
    controller().togglePause();
    ASSERT_TRUE(waitFor([this] { return controller().engine().isPlaying(); }));
}

TEST_F(HostPlayerTest, EndOfSongMovesOnByThePlayMode) {
    showLocalAlbum();
    ASSERT_TRUE(listenAndPlay());
    EXPECT_EQ(controller().song().isLocal, 1);
    const int songs = session->module().entry<KestoEntry0>(0)();
    ASSERT_EQ(songs, static_cast<int>(DemoLibrary::songs().size()));

    // Shuffle plays every song of the list once before any plays again.
    controller().setMode(PlayMode::Shuffle);
    std::set<int> heard{0};
    for (int i = 1; i < songs; ++i) {
        const int was = controller().position();
        skipToEnd();
        ASSERT_TRUE(waitFor(
            [this, was] { return controller().position() != was && playing(controller().position()); }));
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
    EXPECT_TRUE(logHas(QStringLiteral("Playing stopped: the end of the list")));
}

TEST_F(HostPlayerTest, TheHostControlsPauseStepSeekSetTheVolumeAndModeAndStop) {
    showLocalAlbum();
    ASSERT_TRUE(listenAndPlay());
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
    ASSERT_TRUE(listenAndPlay());
    skipToEnd();
    ASSERT_TRUE(waitFor([this] { return playing(2); })) << window->logText().toStdString();
    EXPECT_TRUE(logHas(QStringLiteral("Cannot play"))) << window->logText().toStdString();
    EXPECT_TRUE(logHas(QStringLiteral("skipping it")));
}

TEST_F(HostPlayerTest, PagesOfPlayedSongsOpenInTheHostBrowserAndLyricsPane) {
    session->showMenuId(kChartMenu, "00101");
    ASSERT_TRUE(listenAndPlay());
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
    // The form went to the page whole, but the log and the status line hide its secrets.
    QFile kept(QString::fromStdString((data.path() / DemoAccount::kPasswordFile).string()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QString password = QString::fromLatin1(kept.readLine().trimmed());
    EXPECT_TRUE(player->web().lastForm().contains("password=" + password.toLatin1()));
    const QRegularExpression shown(QStringLiteral("(password|u_key)=(?!\\*\\*\\*)"));
    for (const QString& text : {window->logText(), window->statusBar()->currentMessage()}) {
        EXPECT_FALSE(text.contains(shown)) << text.toStdString();
        EXPECT_FALSE(text.contains(password)) << text.toStdString();
    }
    EXPECT_TRUE(logHas(QStringLiteral("password=***")));
    // The web window loads web pages only: a file address handed over is not opened.
    QtMessagePort::instance().post(
        window->panelArea(), KESTO_MSG_OPEN_WEB_PAGE,
        reinterpret_cast<std::intptr_t>(HostBlock::copyForHost("file:///etc/passwd", 512)),
        reinterpret_cast<std::intptr_t>(HostBlock::copyForHost("", 128)));
    ASSERT_TRUE(waitFor([this] { return logHas(QStringLiteral("not a web page")); }));
    EXPECT_EQ(player->web().lastPage().path(), QStringLiteral("/LoginAppToWeb.jsp"));
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
    EXPECT_TRUE(listenAndPlay());
}

// Every place where the player and its panel show a song name (as a tag or the album file
// gives it), a play list name or a server message: the text shows as written, nothing in it is
// read as markup, no file an <img> names is read, and memory stays where it was.
TEST_F(HostPlayerTest, OutsideTextShowsAsWrittenInEveryPlace) {
    const std::pair<const char*, std::function<QString()>> places[] = {
        {"list cell tooltip", [this] { return cellToolTip(); }},
        {"now-playing strip", [this] { return labelText("nowPlayingTitle"); }},
        {"transport bar", [this] { return labelText("songLabel"); }},
        {"message log", [this] { return window->logText(); }},
        {"server message box", [this] { return errorBoxText(); }},
        {"play list tooltip", [this] { return playListToolTips(); }},
    };
    const long startKiB = test::residentKiB();
    for (const QString& markup : {QStringLiteral("<img src=\"/dev/zero\">"), QStringLiteral("<b>x</b>")}) {
        SCOPED_TRACE(markup.toStdString());
        nameLocalSongs(markup + QStringLiteral(" with a name too long for its column"));
        QtMessagePort::instance().post(window->panelArea(), KESTO_MSG_PLAYLIST_CHANGED, 0, 0);
        showLocalAlbum();
        listenToAll();
        ASSERT_TRUE(waitFor([this] { return playing(0); }));
        const std::string message = Cp949Text::fromUtf8(markup.toStdString());
        QtMessagePort::instance().post(window->panelArea(), KESTO_MSG_SERVER_ERROR, -5,
                                       reinterpret_cast<std::intptr_t>(HostBlock::copyForHost(message)));
        ASSERT_TRUE(waitFor([&] { return player->messages().lastError() == markup; }));
        for (const auto& [place, shown] : places)
            EXPECT_TRUE(waitFor([&] { return shown().contains(markup); }, 5000))
                << place << ": " << shown().toStdString();
        for (auto* box : window->findChildren<QMessageBox*>(QStringLiteral("serverErrorBox")))
            box->close();
    }
    EXPECT_LT(test::residentKiB() - startKiB, 64 * 1024);
}

TEST_F(HostPlayerTest, LoadingAPlayListFillsTheNowPlayingList) {
    session->showMenuId(kNowPlayingMenu);
    // The now-playing list's menu entry "불러오기 플레이리스트".
    ASSERT_NE(list(), nullptr);
    list()->runCommand(kLoadPlayListCommand);
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

TEST_F(HostPlayerTest, ADownloadLandsAsDcfFilesInThePlayListAndTheDownloadStorage) {
    const QString name = QStringLiteral("받은 곡");
    const int album = PlayListMaker::create(Cp949Text::fromUtf8(name.toStdString()).c_str());
    ASSERT_GT(album, 0);
    session->showMenuId(kChartMenu, "00101");
    DownloadStory::tickFirstRows(*session, 2);
    // The download dialog takes the play list and OK; the notices on the way their default.
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, [this, &name] { DownloadStory::answer(*window, name); });
    answering.start(50);
    auto* download = window->panelArea()->findChild<QAbstractButton*>(
        QStringLiteral("button%1").arg(KESTO_BUTTON_DOWNLOAD));
    ASSERT_NE(download, nullptr);
    download->click();
    ASSERT_TRUE(waitFor([this] { return session->downloads().completed() == 1; }));
    answering.stop();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Downloaded 2 songs into")))
        << window->statusBar()->currentMessage().toStdString();

    // Two whole songs in the panel's container, the user's alone, no temporary file left.
    const auto folder = data.path() / "download";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        EXPECT_EQ(entry.path().extension(), ".dcf") << entry.path();
        const std::string dcf = test::readBytes(entry.path());
        EXPECT_EQ(dcf.substr(0, 3), std::string("\x01\x09") + char(entry.path().stem().string().size() + 10));
        EXPECT_EQ(dcf.substr(3, 9), "audio/wav");
        EXPECT_NE(dcf.find("Content-Name: "), std::string::npos);
        EXPECT_NE(dcf.find("RIFF"), std::string::npos);
        EXPECT_EQ(entry.status().permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }
    EXPECT_EQ(files, 2);
    // The play list chosen in the dialog and the download storage list both songs.
    const std::string albumId = std::to_string(album);
    for (const auto& [menu, parameter] :
         {std::pair{kLocalAlbumMenu, albumId.c_str()}, {kDownloadStorageMenu, ""}}) {
        session->showMenuId(menu, parameter);
        EXPECT_TRUE(waitFor([this] { return rows() == 2; })) << menu;
    }

    // A song id that is no plain file name is refused and said by name; nothing is written.
    KestoSongRecord handed[2]{};
    std::strcpy(handed[0].Song_ID, "../escape");
    std::strcpy(handed[0].Song_Name, "Escape");
    HostDownloads::transfer(handed, 1, 0);
    ASSERT_TRUE(waitFor([this] { return session->downloads().completed() == 2; }));
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Not downloaded: Escape"));
    EXPECT_FALSE(std::filesystem::exists(data.path() / "escape.dcf"));
}

// Mini mode: the menu switches it, the close buttons (1428, the song text's) reach the host,
// and a mini list docked under the main window moves with it.
TEST_F(HostPlayerTest, TheMenuSwitchesMiniModeAndTheCloseButtonsReachTheHost) {
    HostMiniMode mini(*window, session->module());
    mini.install(*window->menuBar());
    QAction* toggle = miniModeAction(*window->menuBar());
    ASSERT_NE(toggle, nullptr);
    const auto miniList = [&] { return static_cast<QWidget*>(session->module().entry<KestoEntry31>(31)()); };
    const auto songText = [&] { return static_cast<QWidget*>(session->module().entry<KestoEntry32>(32)()); };

    toggle->trigger();
    EXPECT_TRUE(mini.active());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(session->module().entry<KestoEntry1>(1)(), 1);
    ASSERT_NE(miniList(), nullptr);
    EXPECT_TRUE(miniList()->isVisible());
    ASSERT_NE(songText(), nullptr);

    // The song-text window's close button: the host closes it through entry 30.
    auto* close = songText()->findChild<QAbstractButton*>(QStringLiteral("button1101"));
    ASSERT_NE(close, nullptr);
    close->click();
    settle();
    EXPECT_EQ(songText(), nullptr);

    // The mini list's close button: 1428 takes the host out of mini mode.
    QCoreApplication::postEvent(miniList(), new WindowMessageEvent(kCommand, kMiniCloseButton, 0));
    settle();
    EXPECT_FALSE(mini.active());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(miniList(), nullptr);
    EXPECT_EQ(session->module().entry<KestoEntry1>(1)(), 0);

    // And on again from the menu, off again from it.
    toggle->trigger();
    EXPECT_TRUE(mini.active());
    toggle->trigger();
    EXPECT_FALSE(mini.active());
    EXPECT_EQ(miniList(), nullptr);
    EXPECT_TRUE(window->logText().contains(QStringLiteral("mini mode off")));
}

TEST_F(HostPlayerTest, ADockedMiniListMovesWithTheMainWindowUntilTheUserTakesItAway) {
    window->setGeometry(40, 30, 500, 260);
    HostMiniMode mini(*window, session->module());
    mini.enter();
    ASSERT_TRUE(mini.active());
    auto* list = static_cast<QWidget*>(session->module().entry<KestoEntry31>(31)());
    ASSERT_NE(list, nullptr);
    const auto bottom = [this] { return window->frameGeometry().top() + window->frameGeometry().height(); };
    const auto drag = [list](QPoint from, QPoint delta) {
        for (const auto& [type, at, buttons] :
             {std::tuple{QEvent::MouseButtonPress, from, Qt::MouseButtons(Qt::LeftButton)},
              std::tuple{QEvent::MouseMove, from + delta, Qt::MouseButtons(Qt::LeftButton)},
              std::tuple{QEvent::MouseButtonRelease, from + delta, Qt::MouseButtons(Qt::NoButton)}}) {
            QMouseEvent event(type, QPointF(at), QPointF(list->mapToGlobal(at)), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(list, &event);
        }
        settle();
    };

    // The user docks it under the main window by its caption (5031 says docked).
    drag({100, 8}, window->frameGeometry().topLeft() + QPoint(20, 0) - list->pos() +
                       QPoint(0, window->frameGeometry().height()));
    ASSERT_TRUE(mini.glued());
    window->move(window->pos() + QPoint(15, 25));
    settle();
    EXPECT_EQ(list->pos(), QPoint(window->frameGeometry().left() + 20, bottom()));

    // Taken away (5029), it stays where the user left it.
    drag({100, 8}, {0, 60});
    EXPECT_FALSE(mini.glued());
    const QPoint left = list->pos();
    window->move(window->pos() + QPoint(-10, -10));
    settle();
    EXPECT_EQ(list->pos(), left);
    mini.leave();
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
