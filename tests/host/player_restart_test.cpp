// The player remembers between runs: a user picks the demo album in the source pane and makes
// the window smaller, closes it, and the next run opens on that album in a window of that
// size. Each run is a process of its own (the module takes one host window per load).
#include "host/session/host_session.h"
#include "host/window/main_window.h"
#include "host/window/player_settings.h"

#include "tests/support/own_download_folder.h"
#include "tests/support/qt_test_process.h"

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "support/temp_folder.h"

namespace kesto {
namespace {

// Smaller than the first window, still as wide as the panel and its button band need.
const QSize kChosenSize(1100, 560);
const QString kDemoAlbum = QStringLiteral("♫ 데모 앨범");
// Exit codes of a run: the page kind it showed last, or one of these.
constexpr int kNoStart = 250;
constexpr int kNotRestored = 251;

QTreeWidgetItem* itemNamed(QTreeWidget& pane, const QString& text) {
    for (QTreeWidgetItemIterator it(&pane); *it != nullptr; ++it)
        if ((*it)->text(0) == text)
            return *it;
    return nullptr;
}

// One run of the player's window, session and module; returns the process's exit code.
int run(const std::filesystem::path& data,
        const std::function<int(MainWindow&, HostSession&, QTreeWidget&)>& act) {
    int argc = 1;
    char name[] = "player";
    char* argv[] = {name, nullptr};
    test::prepareQtTestProcess();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    PlayerSettings::useFolder(data);
    MainWindow window;
    window.show();
    HostSession session(window);
    if (!session.start(QStringLiteral(KESTO_MODULE_FILE), data))
        return kNoStart;
    window.restoreLayout();
    auto* pane = window.findChild<QTreeWidget*>(QStringLiteral("sourcePane"));
    if (pane == nullptr)
        return kNoStart;
    session.showOpeningPage();
    return act(window, session, *pane);
}

int inChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        std::_Exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(PlayerRestart, OpensOnTheLastPageInTheLastWindowSize) {
    test::TempFolder data;
    ::setenv("KESTO_REGISTRY_FILE", (data.path() / "registry.reg").c_str(), 1);
    test::ownDownloadFolder(data.path());
    const auto pageKind = [](HostSession& session) { return session.module().entry<KestoEntry13>(13)(); };
    int openingKind = -1;
    const int albumKind = inChild([&] {
        return run(data.path(), [&](MainWindow& window, HostSession& session, QTreeWidget& pane) {
            openingKind = pageKind(session);
            QTreeWidgetItem* album = itemNamed(pane, kDemoAlbum);
            if (album == nullptr)
                return kNoStart;
            QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pane.visualItemRect(album).center());
            window.resize(kChosenSize);
            const int kind = pageKind(session);
            window.close();
            // The first page of a fresh run is a chart, not the album chosen after it.
            return kind != openingKind ? kind : kNotRestored;
        });
    });
    ASSERT_LT(albumKind, kNoStart);
    const int reopenedKind = inChild([&] {
        return run(data.path(), [&](MainWindow& window, HostSession& session, QTreeWidget& pane) {
            const bool restored = window.size() == kChosenSize && pane.currentItem() != nullptr &&
                                  pane.currentItem()->text(0) == kDemoAlbum;
            return restored ? pageKind(session) : kNotRestored;
        });
    });
    EXPECT_EQ(reopenedKind, albumKind);
}

} // namespace
} // namespace kesto
