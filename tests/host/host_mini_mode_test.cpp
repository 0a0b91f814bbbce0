// The reference host's mini mode with the real module: the menu entry switches the mini play
// list and the song-text window on and off, the mini list's close button (1428) takes the host
// out of mini mode, the song-text window's close button reaches the host's service A entry, and
// a mini list docked under the main window moves with it.
#include "host/session/host_mini_mode.h"
#include "host/session/host_session.h"
#include "host/window/main_window.h"
#include "include/kesto/window_message.h"
#include "tests/support/own_download_folder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <unistd.h>

namespace kesto {
namespace {

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

// A fresh data folder as the current folder, with its settings file.
class HostMiniModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder);
        setenv("KESTO_REGISTRY_FILE", (folder / "registry.reg").c_str(), 1);
        test::ownDownloadFolder(folder);
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder);
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kesto-host-mini-" + std::to_string(::getpid()));
};

TEST_F(HostMiniModeTest, TheMenuSwitchesMiniModeAndTheCloseButtonsReachTheHost) {
    MainWindow window;
    HostSession session(window);
    ASSERT_TRUE(session.start(QStringLiteral(KESTO_MODULE_FILE), folder / "service"));
    HostMiniMode mini(window, session.module());
    mini.install(*window.menuBar());
    QAction* toggle = miniModeAction(*window.menuBar());
    ASSERT_NE(toggle, nullptr);
    const auto miniList = [&] { return static_cast<QWidget*>(session.module().entry<KestoEntry31>(31)()); };
    const auto songText = [&] { return static_cast<QWidget*>(session.module().entry<KestoEntry32>(32)()); };

    toggle->trigger();
    EXPECT_TRUE(mini.active());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(session.module().entry<KestoEntry1>(1)(), 1);
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
    EXPECT_EQ(session.module().entry<KestoEntry1>(1)(), 0);

    // And on again from the menu, off again from it.
    toggle->trigger();
    EXPECT_TRUE(mini.active());
    toggle->trigger();
    EXPECT_FALSE(mini.active());
    EXPECT_EQ(miniList(), nullptr);
    EXPECT_TRUE(window.logText().contains(QStringLiteral("mini mode off")));
}

TEST_F(HostMiniModeTest, ADockedMiniListMovesWithTheMainWindowUntilTheUserTakesItAway) {
    MainWindow window;
    window.setGeometry(40, 30, 500, 260);
    window.show();
    HostSession session(window);
    ASSERT_TRUE(session.start(QStringLiteral(KESTO_MODULE_FILE), folder / "service"));
    HostMiniMode mini(window, session.module());
    mini.enter();
    ASSERT_TRUE(mini.active());
    auto* list = static_cast<QWidget*>(session.module().entry<KestoEntry31>(31)());
    ASSERT_NE(list, nullptr);
    const auto bottom = [&window] { return window.frameGeometry().top() + window.frameGeometry().height(); };
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
    drag({100, 8}, window.frameGeometry().topLeft() + QPoint(20, 0) - list->pos() +
                       QPoint(0, window.frameGeometry().height()));
    ASSERT_TRUE(mini.glued());
    window.move(window.pos() + QPoint(15, 25));
    settle();
    EXPECT_EQ(list->pos(), QPoint(window.frameGeometry().left() + 20, bottom()));

    // Taken away (5029), it stays where the user left it.
    drag({100, 8}, {0, 60});
    EXPECT_FALSE(mini.glued());
    const QPoint left = list->pos();
    window.move(window.pos() + QPoint(-10, -10));
    settle();
    EXPECT_EQ(list->pos(), left);
    mini.leave();
}

} // namespace
} // namespace kesto

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("KESTO_NO_WEBENGINE", "1", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
