// The mini play list's window through the loaded module: what it tells the host of moves,
// resizes and its visibility (5029, 5031, 5032, 5033), what the host hands it for its status
// and play lines (entries 33, 35, 36), its keys and close button, and the other entries that
// reach it.
#include "tests/integration/panel_entries_fixture.h"

#include <QFileDialog>
#include <QMouseEvent>

namespace kesto::test {
namespace {

class MiniWindowTest : public MiniFixture {
protected:
    // A press at from, a move by delta and a release, as the user drags the window's frame.
    void dragFrame(QPoint from, QPoint delta) {
        QWidget* window = miniWindow();
        const auto mouse = [window](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(window, &event);
        };
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, from + delta, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, from + delta, Qt::NoButton);
        PanelHost::processPending();
    }

    static QPoint unpacked(std::intptr_t value) { return {KESTO_PAIR_LOW(value), KESTO_PAIR_HIGH(value)}; }

    // Each file dialog opens in folder, chooses file there (or the folder itself) and is accepted.
    static void chooseIn(const std::filesystem::path& folder, const QString& file = {}) {
        PanelHost::onModal([folder, file](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr)
                return false;
            dialog->setDirectory(QString::fromStdString(folder.string()));
            if (!file.isEmpty())
                dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            return true;
        });
    }

    // A key clicked on the widget, and what it posted handled.
    static void key(QWidget* to, Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(to, pressed, modifiers);
        PanelHost::processPending();
    }

    bool activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
};

TEST_F(MiniWindowTest, TheHostHearsOfMovesResizesAndVisibilityWithTheDockedState) {
    QWidget* main = host.hostWindow();
    main->setGeometry(40, 30, 600, 300);
    PanelHost::processPending();
    const int mainBottom = main->frameGeometry().bottom() + 1;
    ASSERT_TRUE(enterMiniMode({100, 400, 451, 565}));
    ASSERT_NE(log().last(KESTO_MSG_MINI_SHOWN), nullptr);
    EXPECT_EQ(log().last(KESTO_MSG_MINI_SHOWN)->wParam, 1);
    EXPECT_EQ(log().last(KESTO_MSG_MINI_SHOWN)->lParam, 0) << "not docked yet";

    // Moved by the caption right under the main window: docked.
    dragFrame({100, 8}, {0, mainBottom - 400});
    ASSERT_EQ(log().count(KESTO_MSG_MINI_MOVE_STARTED), 1);
    EXPECT_EQ(log().last(KESTO_MSG_MINI_MOVE_STARTED)->wParam, 0);
    ASSERT_EQ(log().count(KESTO_MSG_MINI_MOVED), 1);
    EXPECT_EQ(log().last(KESTO_MSG_MINI_MOVED)->wParam, 1);
    EXPECT_EQ(unpacked(log().last(KESTO_MSG_MINI_MOVED)->lParam), QPoint(100, mainBottom));
    EXPECT_EQ(miniWindow()->pos(), QPoint(100, mainBottom));

    // Taken again: it was docked; moved away: no longer.
    dragFrame({100, 8}, {-130, 50});
    EXPECT_EQ(log().last(KESTO_MSG_MINI_MOVE_STARTED)->wParam, 1);
    EXPECT_EQ(log().last(KESTO_MSG_MINI_MOVED)->wParam, 0);
    EXPECT_EQ(unpacked(log().last(KESTO_MSG_MINI_MOVED)->lParam), QPoint(-30, mainBottom + 50))
        << "negative coordinates survive the packing";

    // The grip: the new size, never below the minimum; a resize is no move.
    const QPoint grip(miniWindow()->width() - 5, miniWindow()->height() - 5);
    dragFrame(grip, {-300, -300});
    ASSERT_EQ(log().count(KESTO_MSG_MINI_RESIZED), 1);
    EXPECT_EQ(unpacked(log().last(KESTO_MSG_MINI_RESIZED)->lParam), QPoint(351, 165));
    EXPECT_EQ(log().count(KESTO_MSG_MINI_MOVED), 2);

    // Entry 34 hides and shows it, telling whether it sits docked.
    host.entry<KestoEntry34>(34)(0);
    PanelHost::processPending();
    EXPECT_EQ(log().last(KESTO_MSG_MINI_SHOWN)->wParam, 0);
    miniWindow()->move(main->frameGeometry().left(), mainBottom);
    host.entry<KestoEntry34>(34)(5);
    PanelHost::processPending();
    EXPECT_EQ(log().last(KESTO_MSG_MINI_SHOWN)->wParam, 1);
    EXPECT_EQ(log().last(KESTO_MSG_MINI_SHOWN)->lParam, 1);
    EXPECT_EQ(log().count(KESTO_MSG_MINI_SHOWN), 3);
    // A command that is neither: returned, nothing posted.
    EXPECT_EQ(host.entry<KestoEntry34>(34)(3), 3);
    PanelHost::processPending();
    EXPECT_EQ(log().count(KESTO_MSG_MINI_SHOWN), 3);
}

TEST_F(MiniWindowTest, Entries33And35And36FillTheStatusLineThePlayLineAndTheCaption) {
    ASSERT_TRUE(enterMiniMode());
    QWidget* window = miniWindow();
    host.entry<KestoEntry33>(33)(Cp949::fromUtf8("버퍼링 중").c_str());
    EXPECT_EQ(window->property("statusText").toString(), QString::fromUtf8("버퍼링 중"));
    host.entry<KestoEntry33>(33)(nullptr);
    EXPECT_TRUE(window->property("statusText").toString().isEmpty());
    EXPECT_EQ(host.entry<KestoEntry36>(36)(Cp949::fromUtf8("가수 - 노래").c_str()), 1);
    EXPECT_EQ(window->property("songInfo").toString(), QString::fromUtf8("가수 - 노래"));

    // Playing at 1:23 of 4:56, the volume beyond its range.
    EXPECT_EQ(host.entry<KestoEntry35>(35)(1, 83, 296, 150), 1);
    EXPECT_EQ(window->property("playTime").toString(), QStringLiteral("01:23 / 04:56"));
    EXPECT_EQ(window->property("playedFill").toInt(), 83 * 1000 / 296);
    EXPECT_EQ(window->property("volumeFill").toInt(), 1000);
    // The bar is drawn filled at its start and empty at its end.
    const QImage drawn = window->grab().toImage();
    EXPECT_NE(drawn.pixel(9, 20), drawn.pixel(window->width() - 60, 20));

    // Paused past the end: kept at the end; an hour long: with hours; stopped: nothing shown.
    host.entry<KestoEntry35>(35)(2, 400, 296, 40);
    EXPECT_EQ(window->property("playTime").toString(), QStringLiteral("04:56 / 04:56"));
    EXPECT_EQ(window->property("volumeFill").toInt(), 400);
    host.entry<KestoEntry35>(35)(1, 61, 3723, -5);
    EXPECT_EQ(window->property("playTime").toString(), QStringLiteral("01:01 / 1:02:03"));
    EXPECT_EQ(window->property("volumeFill").toInt(), 0);
    host.entry<KestoEntry35>(35)(0, 10, 20, 50);
    EXPECT_TRUE(window->property("playTime").toString().isEmpty());
    EXPECT_EQ(window->property("playedFill").toInt(), 0);

    // Outside mini mode entry 35 changes nothing.
    host.entry<KestoEntry26>(26)(0);
    EXPECT_EQ(host.entry<KestoEntry35>(35)(1, 5, 10, 50), 1);
    EXPECT_TRUE(window->property("playTime").toString().isEmpty());
}

TEST_F(MiniWindowTest, KeysReachTheWindowsCommandsOnlyWhileItIsTheActiveWindow) {
    const int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    QWidget* window = miniWindow();
    SongListView& mini = *miniList();
    ASSERT_TRUE(activate(window));
    mini.setFocus();
    auto* checkAll = window->findChild<QAbstractButton*>(QStringLiteral("button1007"));
    ASSERT_NE(checkAll, nullptr);

    // Ctrl+A checks every row, and again none, as the check-all button does.
    mini.uncheckAll();
    key(window, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(mini.selectedRows().size(), static_cast<std::size_t>(songs));
    EXPECT_TRUE(checkAll->isChecked());
    key(&mini, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(mini.selectedRows().empty());

    // Enter listens from the first checked row.
    mini.setRowChecked(2, true);
    key(&mini, Qt::Key_Return);
    ASSERT_NE(log().last(KESTO_MSG_PLAY_NOW_PLAYING), nullptr);
    EXPECT_EQ(log().last(KESTO_MSG_PLAY_NOW_PLAYING)->wParam, 2);

    // Delete takes the checked rows out of the now-playing list.
    mini.setRowChecked(0, true);
    key(&mini, Qt::Key_Delete);
    EXPECT_EQ(mini.rowCount(), songs - 2);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs - 2);

    // Ctrl+O opens the file dialog; the chosen file goes in.
    const auto file = host.dataFolder() / "picked.mp3";
    writeTaggedMp3(file, "Picked", "Tester");
    chooseIn(file.parent_path(), QString::fromStdString(file.filename().string()));
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(PanelHost::processUntil([&] { return mini.rowCount() == songs - 1; }, 10s));
    PanelHost::onModal(nullptr);
    EXPECT_STREQ(mini.record(songs - 2)->text(SongField::Song_Name), "picked");

    // Another window active: the keys are not the mini list's.
    ASSERT_TRUE(activate(host.hostWindow()));
    mini.checkAll();
    QTest::keyClick(host.hostWindow(), Qt::Key_Delete);
    key(host.hostWindow(), Qt::Key_Escape);
    EXPECT_EQ(mini.rowCount(), songs - 1);
    EXPECT_TRUE(window->isVisible());

    // Escape hides it as its close button does, writes NowPlay and tells the host; entry 34
    // shows it again and says it was hidden.
    RegistryKey().writeSectionString(settings::kPlayerPanel, "1", settings::kNowPlay);
    ASSERT_TRUE(activate(window));
    key(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(log().count(KESTO_MSG_MINI_LIST_CLOSED), 1);
    EXPECT_EQ(sectionSetting(settings::kPlayerPanel, settings::kNowPlay), "0");
    EXPECT_EQ(host.entry<KestoEntry34>(34)(5), 0);
    EXPECT_TRUE(window->isVisible());
    auto* close = window->findChild<QAbstractButton*>(QStringLiteral("button1006"));
    ASSERT_NE(close, nullptr);
    close->click();
    PanelHost::processPending();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(log().count(KESTO_MSG_MINI_LIST_CLOSED), 2);
}

TEST_F(MiniWindowTest, EntriesInMiniModeGoThroughTheMiniListAndTheHostHearsOfTheSwitch) {
    const int songs = fillNowPlaying();
    // Switching while the now-playing page shows tells the host (1331), on another page not.
    host.show(kListOnly, kNowPlayingMenu);
    ASSERT_EQ(host.pageKind(), kNowPlayingPageKind);
    ASSERT_TRUE(enterMiniMode());
    EXPECT_EQ(log().count(KESTO_MSG_MINI_MODE_SWITCHED), 1);
    SongListView& mini = *miniList();

    // Entry 8 clears the mini list's current mark.
    play(1);
    EXPECT_EQ(mini.currentRow(), 1);
    host.entry<KestoEntry8>(8)();
    EXPECT_EQ(mini.currentRow(), -1);

    // Entry 4 adds a file; entry 50 opens the add dialogs (kind 1: a folder) and fetches no
    // server list into the mini list.
    const auto folder = host.dataFolder() / "more";
    std::filesystem::create_directories(folder);
    writeTaggedMp3(folder / "x.mp3", "X", "Tester");
    writeTaggedMp3(folder / "y.mp3", "Y", "Tester");
    host.entry<KestoEntry4>(4)((folder / "x.mp3").string().c_str());
    EXPECT_EQ(mini.rowCount(), songs + 1);
    EXPECT_EQ(host.rowNames().size(), static_cast<std::size_t>(songs + 1)) << "the panel's page follows";
    PanelHost::forgetRequests();
    host.entry<KestoEntry50>(50)(4, kChart);
    host.entry<KestoEntry50>(50)(2, "1");
    EXPECT_TRUE(PanelHost::requestsSent().empty());
    EXPECT_EQ(mini.rowCount(), songs + 1);
    chooseIn(folder);
    host.entry<KestoEntry50>(50)(1, "");
    ASSERT_TRUE(PanelHost::processUntil([&] { return mini.rowCount() == songs + 3; }, 10s));
    PanelHost::onModal(nullptr);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs + 3);

    host.entry<KestoEntry26>(26)(0);
    PanelHost::processPending();
    EXPECT_EQ(log().count(KESTO_MSG_MINI_MODE_SWITCHED), 2);
    host.show(2, kChartMenu, kChart);
    host.entry<KestoEntry26>(26)(1);
    host.entry<KestoEntry26>(26)(0);
    PanelHost::processPending();
    EXPECT_EQ(log().count(KESTO_MSG_MINI_MODE_SWITCHED), 2);
}

} // namespace
} // namespace kesto::test
