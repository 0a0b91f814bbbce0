// Mini mode through the real module in a Qt host, against the reference service: the mini
// play list takes over the now-playing list, plays from it, checks, deletes and sorts through its
// buttons, and the song-text window follows the played song; both keep their rectangles in the
// settings.
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace kesto::test {
namespace {

constexpr int kListenButton = 1005;
constexpr int kDeleteChecked = 40028;
constexpr int kDownloadButton = 1002;
constexpr int kGiftButton = 1003;
constexpr int kPutMyAlbum = 40033;
constexpr int kPutPlayList = 40034;
constexpr int kPutCart = 40035;
constexpr int kSortByName = 40048;
constexpr int kSortByTime = 40049;
constexpr int kAddFiles = 40040;
constexpr int kAddFolder = 40041;

int closeRequests = 0;
void closeSongText() {
    ++closeRequests;
}

// The host makes the song-text window when asked, somewhere of its own choosing.
PanelHost* opener = nullptr;
KestoRect asked{};
void openSongText(const KestoRect* rect) {
    asked = *rect;
    if (opener->entry<KestoEntry29>(29)() == 1)
        static_cast<QWidget*>(opener->entry<KestoEntry32>(32)())->move(0, 0);
}

class MiniModeTest : public MiniFixture {
protected:
    void SetUp() override {
        PanelHost::setServiceA(KESTO_SVC_A_CLOSE_SONG_TEXT, reinterpret_cast<KestoHostFn>(&closeSongText));
        PanelHost::setServiceA(KESTO_SVC_A_OPEN_SONG_TEXT, reinterpret_cast<KestoHostFn>(&openSongText));
        opener = &host;
        MiniFixture::SetUp();
    }

    // Entry 27, then entry 34 shows the window as the host does.
    bool createMiniList(KestoRect rect = {60, 40, 460, 440}) {
        if (host.entry<KestoEntry27>(27)(&rect) != 1)
            return false;
        host.entry<KestoEntry34>(34)(5);
        return true;
    }

    QWidget* songTextWindow() const { return static_cast<QWidget*>(host.entry<KestoEntry32>(32)()); }

    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }
};

TEST_F(MiniModeTest, TheMiniListTakesOverTheNowPlayingListAndGivesItBack) {
    EXPECT_EQ(host.entry<KestoEntry1>(1)(), 0);
    EXPECT_EQ(miniWindow(), nullptr);
    const int songs = fillNowPlaying();
    ASSERT_GT(songs, 2);
    ASSERT_TRUE(createMiniList());
    EXPECT_FALSE(createMiniList()) << "a second mini list";
    QWidget* window = miniWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kesto Minimode Player"));
    EXPECT_EQ(window->objectName(), QStringLiteral("Kesto Mini Player List"));
    EXPECT_TRUE(window->windowFlags() & Qt::Tool);

    host.entry<KestoEntry26>(26)(1);
    host.entry<KestoEntry34>(34)(5);
    EXPECT_EQ(host.entry<KestoEntry1>(1)(), 1);
    EXPECT_TRUE(window->isVisible());
    SongListView* list = miniList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->rowCount(), songs);
    EXPECT_TRUE(list->isMiniList());
    ASSERT_NE(list->record(0), nullptr);
    EXPECT_EQ(list->cellText(0, 2).toStdString().substr(0, 2), "1.");
    EXPECT_EQ(list->cellText(2, 2).toStdString().substr(0, 2), "3.");
    // The total line counts the songs and adds up their time.
    long long seconds = 0;
    for (int row = 0; row < songs; ++row)
        seconds += list->record(row)->Play_Time;
    const QString total = QString::asprintf("%d곡 | %02lld:%02lld:%02lld", songs, seconds / 3600,
                                            seconds / 60 % 60, seconds % 60);
    EXPECT_EQ(window->property("totalLine").toString(), total);

    // Mini mode ends: the panel gets the current song back and the mini list is emptied.
    EXPECT_EQ(play(1), std::string(list->record(1)->text(SongField::Song_Name)));
    host.entry<KestoEntry26>(26)(0);
    EXPECT_EQ(host.entry<KestoEntry1>(1)(), 0);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs);
}

TEST_F(MiniModeTest, ListenChecksEveryRowWhenNoneIsCheckedAndEntry24PlaysThroughTheMiniList) {
    const int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    SongListView* list = miniList();
    list->uncheckAll();
    log().clear();

    press(kListenButton);
    for (int row = 0; row < songs; ++row)
        EXPECT_TRUE(list->isChecked(row)) << row;
    const Posted* played = log().last(KESTO_MSG_PLAY_NOW_PLAYING);
    ASSERT_NE(played, nullptr);
    EXPECT_EQ(played->wParam, 0);
    EXPECT_EQ(played->lParam, 1);

    // The host plays what 1133 named: entry 24 answers from the mini list and marks the row.
    EXPECT_EQ(play(0), std::string(list->record(0)->text(SongField::Song_Name)));
    EXPECT_EQ(list->currentRow(), 0);

    // With rows checked, listen starts at the first checked one.
    list->uncheckAll();
    list->setRowChecked(2, true);
    press(kListenButton);
    EXPECT_EQ(log().last(KESTO_MSG_PLAY_NOW_PLAYING)->wParam, 2);
    EXPECT_EQ(play(2), std::string(list->record(2)->text(SongField::Song_Name)));
    EXPECT_EQ(list->currentRow(), 2);

    // Entry 45 in mini mode is the mini list's listen.
    log().clear();
    host.entry<KestoEntry45>(45)();
    PanelHost::processPending();
    EXPECT_EQ(log().count(KESTO_MSG_PLAY_NOW_PLAYING), 1);
}

TEST_F(MiniModeTest, CheckAllDeleteAndSortButtonsActOnTheNowPlayingList) {
    int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    SongListView* list = miniList();
    auto* checkAll = miniWindow()->findChild<QAbstractButton*>(QStringLiteral("button1007"));
    ASSERT_NE(checkAll, nullptr);
    list->uncheckAll();
    list->setRowChecked(1, true);
    for (const bool on : {true, false}) {
        checkAll->click();
        PanelHost::processPending();
        for (int row = 0; row < songs; ++row)
            EXPECT_EQ(list->isChecked(row), on) << row;
        EXPECT_EQ(checkAll->isChecked(), on);
    }

    // Deleting checked rows takes them out of the now-playing list.
    const std::string third = list->record(2)->text(SongField::Song_Name);
    list->setRowChecked(0, true);
    list->setRowChecked(1, true);
    press(kDeleteChecked);
    songs -= 2;
    EXPECT_EQ(list->rowCount(), songs);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs);
    EXPECT_EQ(std::string(list->record(0)->text(SongField::Song_Name)), third);

    // Sorting reorders it; after either the rows are numbered again from 1.
    for (const int command : {0, kSortByName, kSortByName, kSortByTime}) {
        if (command != 0)
            press(command);
        ASSERT_EQ(list->rowCount(), songs);
        for (int row = 0; row < songs; ++row) {
            const std::string cell = list->cellText(row, 2).toStdString();
            EXPECT_EQ(cell.substr(0, cell.find('.')), std::to_string(row + 1)) << cell;
        }
        // The host plays in the order shown.
        EXPECT_EQ(play(3), std::string(list->record(3)->text(SongField::Song_Name)));
    }
    for (int row = 1; row < songs; ++row)
        EXPECT_LE(list->record(row - 1)->Play_Time, list->record(row)->Play_Time);
}

TEST_F(MiniModeTest, TheMiniListKeepsItsRectangleAndNeverGetsSmallerThanItsMinimum) {
    ASSERT_TRUE(createMiniList({50, 60, 450, 460}));
    QWidget* window = miniWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->geometry(), QRect(50, 60, 400, 400));
    host.entry<KestoEntry28>(28)();
    EXPECT_EQ(miniWindow(), nullptr);
    EXPECT_EQ(sectionSetting(settings::kMain, settings::kMiniListRectInfo), "50,450,60,460");

    // A host rectangle too small, or off every screen: the window is centred and fully on screen.
    for (const KestoRect bad : {KestoRect{0, 0, 200, 100}, KestoRect{9000, 9000, 9400, 9400}}) {
        ASSERT_TRUE(createMiniList(bad));
        const QRect placed = miniWindow()->geometry();
        EXPECT_GE(placed.width(), 351);
        EXPECT_TRUE(screen().contains(placed)) << placed.x() << "," << placed.y();
        host.entry<KestoEntry28>(28)();
    }
}

TEST_F(MiniModeTest, TheSongTextWindowOpensWhereItWasAndStoresItsRectangle) {
    RegistryKey().writeSectionString(settings::kMain, "10,400,20,260", settings::kSongTextRectInfo);
    log().clear();
    ASSERT_EQ(host.entry<KestoEntry29>(29)(), 1);
    EXPECT_EQ(host.entry<KestoEntry29>(29)(), 0) << "a second song text";
    PanelHost::processPending();
    EXPECT_EQ(log().count(KESTO_MSG_SONG_TEXT_NOTICE), 1);
    QWidget* window = songTextWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kesto Minimode SongText"));
    EXPECT_EQ(window->geometry(), QRect(10, 20, 390, 240));
    // The corners are cut.
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window->mask().contains(QPoint(5, 5)));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    window->move(30, 40);
    host.entry<KestoEntry30>(30)();
    EXPECT_EQ(songTextWindow(), nullptr);
    EXPECT_EQ(sectionSetting(settings::kMain, settings::kSongTextRectInfo), "30,420,40,280");

    // A damaged value, or one off every screen: 351 × 222, centred; on top only for TopMost 1.
    const QRect centred(screen().width() / 2 - 176, screen().height() / 2 - 111, 351, 222);
    for (const auto& [rect, topMost] : {std::pair{"12,abc,5", "1"}, std::pair{"5000,5400,5000,5300", "10"}}) {
        RegistryKey().writeSectionString(settings::kMain, rect, settings::kSongTextRectInfo);
        RegistryKey().writeSectionString(settings::kPlayerPanel, topMost, settings::kTopMost);
        ASSERT_EQ(host.entry<KestoEntry29>(29)(), 1) << rect;
        EXPECT_EQ(songTextWindow()->geometry(), centred) << rect;
        EXPECT_EQ((songTextWindow()->windowFlags() & Qt::WindowStaysOnTopHint) != 0,
                  std::string(topMost) == "1");
        host.entry<KestoEntry30>(30)();
    }
}

TEST_F(MiniModeTest, TheSongTextFollowsThePlayedSongAndItsCloseButtonAsksTheHost) {
    fillNowPlaying();
    ASSERT_TRUE(createMiniList());
    ASSERT_EQ(host.entry<KestoEntry29>(29)(), 1);
    host.entry<KestoEntry26>(26)(1);
    SongListView* list = miniList();
    ASSERT_NE(list, nullptr);
    QWidget* window = songTextWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->property("address").toString(), QStringLiteral("about:blank"));

    for (const int position : {0, 2}) {
        play(position);
        const Song* song = list->record(position);
        const QString address = window->property("address").toString();
        // The user and the key travel in the body, never in the address.
        EXPECT_FALSE(address.contains(QStringLiteral("u_key"))) << address.toStdString();
        EXPECT_TRUE(address.contains(
            QStringLiteral("/lyrics.jsp?song_id=") + QString::fromLatin1(song->text(SongField::Song_ID)) +
            (song->Has_Lyrics != 0 ? QStringLiteral("&is_exist=1") : QStringLiteral("&is_exist=0"))))
            << address.toStdString();
    }
    PanelHost::processPending();
    EXPECT_GE(log().count(KESTO_MSG_LYRICS_WANTED), 2);

    // The lyrics icon of a row: its page, in the same window.
    WindowMessageEvent lyrics(msg::kMiniLyrics, 1, 3);
    QCoreApplication::sendEvent(miniWindow(), &lyrics);
    EXPECT_TRUE(window->property("address").toString().contains(
        QStringLiteral("?song_id=") + QString::fromLatin1(list->record(1)->text(SongField::Song_ID))));

    auto* close = window->findChild<QAbstractButton*>(QStringLiteral("button1101"));
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(MiniModeTest, ALocalFileWithoutLyricsIsToldAndLoadsNothing) {
    const auto file = localFile("quiet");
    ASSERT_TRUE(enterMiniMode());
    host.entry<KestoEntry43>(43)(fileList({file}).c_str());
    PanelHost::processPending();
    SongListView* list = miniList();
    ASSERT_EQ(list->rowCount(), 1);
    ASSERT_NE(log().last(KESTO_MSG_PLAY_NOW_PLAYING), nullptr);
    EXPECT_EQ(log().last(KESTO_MSG_PLAY_NOW_PLAYING)->wParam, 0);
    ASSERT_EQ(list->record(0)->Has_Lyrics, 0);

    const int boxes = PanelHost::boxesShown();
    RegistryKey().writeSectionString(settings::kMain, "10,400,20,260", settings::kSongTextRectInfo);
    WindowMessageEvent lyrics(msg::kMiniLyrics, 0, 3);
    QCoreApplication::sendEvent(miniWindow(), &lyrics);
    PanelHost::processUntil([&] { return PanelHost::boxesShown() > boxes; }, 2s);
    EXPECT_EQ(PanelHost::boxesShown(), boxes + 1);
    // The host made the window for the request; it stands in the kept rectangle it was asked for.
    EXPECT_EQ(std::tie(asked.left, asked.top, asked.right, asked.bottom), std::tuple(10, 20, 400, 260));
    ASSERT_NE(songTextWindow(), nullptr);
    EXPECT_EQ(songTextWindow()->geometry(), QRect(10, 20, 390, 240));
    EXPECT_EQ(songTextWindow()->property("address").toString(), QStringLiteral("about:blank"));
}

TEST_F(MiniModeTest, CommandsOnNoCheckedRowTellTheUserAndChangeNothing) {
    const int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    miniList()->uncheckAll();
    const int requests = PanelHost::counters().requests;
    int boxes = PanelHost::boxesShown();
    for (const int command :
         {kDownloadButton, kGiftButton, kPutMyAlbum, kPutPlayList, kPutCart, kDeleteChecked}) {
        press(command);
        PanelHost::processUntil([&] { return PanelHost::boxesShown() > boxes; }, 2s);
        EXPECT_EQ(PanelHost::boxesShown(), boxes + 1) << command;
        boxes = PanelHost::boxesShown();
    }
    EXPECT_EQ(PanelHost::counters().requests, requests);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs);
    // Streaming songs do not go into a play list.
    miniList()->setRowChecked(0, true);
    press(kPutPlayList);
    PanelHost::processUntil([&] { return PanelHost::boxesShown() > boxes; }, 2s);
    EXPECT_EQ(PanelHost::boxesShown(), boxes + 1);
}

// The mini list adds files and folders through the panel's own dialogs, and both sides keep
// LastOpenFolder alike: a Korean folder chosen on one side is where the other side opens.
TEST_F(MiniModeTest, TheMiniListAddsThroughThePanelsDialogsAndSharesTheirLastFolder) {
    const auto first = localFile("첫째 곡").parent_path() / "노래 모음";
    const auto second = host.dataFolder() / "둘째 폴더";
    std::filesystem::create_directories(first / "안쪽");
    std::filesystem::create_directories(second);
    for (const auto& copy : {first / "a.mp3", first / "안쪽" / "b.mp3", second / "c.mp3"})
        std::filesystem::copy_file(localFile("첫째 곡"), copy);
    const auto in = [](QWidget* d, const std::filesystem::path& folder) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), folder.string());
    };
    ASSERT_TRUE(enterMiniMode());
    const int before = host.entry<KestoEntry0>(0)();

    // The mini list's folder dialog, with its box left clear: the folder alone.
    DialogScript mini("addFolder", [&](QWidget* d) {
        ASSERT_NE(d->findChild<QCheckBox*>("includeSubFolders"), nullptr);
        qobject_cast<QFileDialog*>(d)->setDirectory(QString::fromStdString(first.string()));
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    });
    press(kAddFolder);
    ASSERT_TRUE(PanelHost::processUntil([&] { return mini.done(); }, 5s));
    PanelHost::processUntil([&] { return host.entry<KestoEntry0>(0)() > before; }, 5s);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), before + 1);

    // The panel's file dialog opens there; the folder it leaves is where the mini list opens.
    DialogScript panel("addFiles", [&](QWidget* d) {
        in(d, first);
        qobject_cast<QFileDialog*>(d)->setDirectory(QString::fromStdString(second.string()));
        d->findChild<QLineEdit*>("fileNameEdit")->setText("c.mp3");
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    });
    host.entry<KestoEntry56>(56)(0, 0);
    ASSERT_TRUE(PanelHost::processUntil([&] { return panel.done(); }, 5s));
    DialogScript back("addFiles", [&](QWidget* d) {
        in(d, second);
        QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection);
    });
    press(kAddFiles);
    ASSERT_TRUE(PanelHost::processUntil([&] { return back.done(); }, 5s));
}

} // namespace
} // namespace kesto::test
