// The player program as a user runs it: a throwaway run leaves no folder behind when it is
// stopped from its terminal, and a run in a chosen folder keeps its data there.
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>

namespace kesto {
namespace {

namespace fs = std::filesystem;

bool waitFor(const std::function<bool()>& done, int limitMs = 60000) {
    return QTest::qWaitFor(done, limitMs);
}

// The run's own folder under the given temporary folder, once the panel opened its database.
fs::path runFolder(const fs::path& tmp) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(tmp, error))
        if (entry.path().filename().string().rfind("kesto-player-", 0) == 0 &&
            fs::exists(entry.path() / "Playlist" / "MyAlbum.dbf"))
            return entry.path();
    return {};
}

QProcess* startPlayer(const QStringList& arguments, const fs::path& tmp) {
    auto* player = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), QString::fromStdString(tmp.string()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu --no-sandbox"));
    env.remove(QStringLiteral("KESTO_REGISTRY_FILE"));
    player->setProcessEnvironment(env);
    player->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player->start(QStringLiteral(KESTO_PLAYER_FILE), arguments);
    return player;
}

TEST(PlayerProcess, AFreshRunStoppedFromItsTerminalRemovesItsFolder) {
    test::TempFolder tmp;
    std::unique_ptr<QProcess> player(
        startPlayer({QStringLiteral("--offscreen"), QStringLiteral("--fresh")}, tmp.path()));
    ASSERT_TRUE(player->waitForStarted());
    fs::path run;
    ASSERT_TRUE(waitFor([&] { return !(run = runFolder(tmp.path())).empty(); }));
    EXPECT_TRUE(fs::exists(run / "demo-library"));
    ::kill(static_cast<pid_t>(player->processId()), SIGTERM);
    ASSERT_TRUE(player->waitForFinished(60000));
    EXPECT_EQ(player->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player->exitCode(), 0);
    EXPECT_FALSE(fs::exists(run));
}

// A run in a chosen folder keeps its data and settings there, the user's alone.
TEST(PlayerProcess, WhatARunKeepsIsTheUsersAloneWhateverTheUmask) {
    test::TempFolder tmp;
    const fs::path data = tmp.path() / "mine";
    const mode_t previous = ::umask(022);
    // What an earlier run left loose is tightened.
    fs::create_directories(data / "Playlist");
    for (const fs::path& loose : {data / "Playlist" / "MyAlbum.dbf", data / "kesto-player.ini"})
        ::close(::open(loose.c_str(), O_CREAT | O_WRONLY, 0644));
    std::unique_ptr<QProcess> player(startPlayer(
        {QStringLiteral("--offscreen"), QStringLiteral("--data"), QString::fromStdString(data.string())},
        tmp.path()));
    ::umask(previous);
    ASSERT_TRUE(player->waitForStarted());
    ASSERT_TRUE(
        waitFor([&] { return fs::exists(data / "account-password") && fs::exists(data / "registry.reg"); }));
    ::kill(static_cast<pid_t>(player->processId()), SIGINT);
    ASSERT_TRUE(player->waitForFinished(60000));
    EXPECT_EQ(player->exitCode(), 0);
    EXPECT_TRUE(fs::is_directory(data / "demo-library"));
    const std::pair<fs::path, unsigned> expected[] = {
        {data, 0700},
        {data / "Playlist", 0700},
        {data / "service", 0700},
        {data / "Playlist" / "MyAlbum.dbf", 0600},
        {data / "kesto-player.ini", 0600},
        {data / "registry.reg", 0600},
        {data / "account-password", 0600},
    };
    for (const auto& [path, mode] : expected) {
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0) << path;
        EXPECT_EQ(status.st_mode & 07777, mode) << path;
    }
}

} // namespace
} // namespace kesto

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
