// The host functions the module calls off the GUI thread are those the public header names:
// a host whose every table function notes its thread runs local pages, listening, play
// grants, downloads and mini mode through the module, and only the tag reader ran elsewhere.
#include "tests/integration/panel_host.h"

#include "listview/song_list_view.h"
#include "songs/panel_messages.h"

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <thread>

namespace kesto::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

enum Table { kNetwork, kServiceA, kServiceB };

std::thread::id guiThread;
std::mutex offMutex;
std::set<std::pair<int, int>> calledOff; // (table, slot) called off the GUI thread

void note(int table, int slot) {
    if (std::this_thread::get_id() == guiThread)
        return;
    std::lock_guard lock(offMutex);
    calledOff.insert({table, slot});
}

template <class Fn, int T, int S> struct Watched;
template <class R, class... A, int T, int S> struct Watched<R (*)(A...), T, S> {
    static inline R (*original)(A...) = nullptr;
    static R call(A... args) {
        note(T, S);
        return original(args...);
    }
};

std::set<std::pair<int, int>> watchedSlots;

template <class Fn, int T, int S> void watch(KestoHostTable table) {
    using W = Watched<Fn, T, S>;
    W::original = reinterpret_cast<Fn>(table[S]);
    if (W::original != nullptr)
        table[S] = reinterpret_cast<KestoHostFn>(&W::call);
    watchedSlots.insert({T, S});
}

// Every slot the test host serves, each as the type the header gives it.
void watchAll() {
    KestoHostTable net = PanelHost::networkTable();
    KestoHostTable a = PanelHost::serviceATable();
    KestoHostTable b = PanelHost::serviceBTable();
    watch<KestoNetRequestFn, kNetwork, KESTO_NET_REQUEST>(net);
    watch<KestoSvcValueFn, kServiceB, KESTO_SVC_B_VALUE>(b);
    watch<KestoSvcReadTagsFn, kServiceB, KESTO_SVC_B_READ_TAGS>(b);
    watch<KestoSvcBeforePlayFn, kServiceA, KESTO_SVC_A_BEFORE_PLAY>(a);
    watch<KestoSvcIntFn, kServiceA, KESTO_SVC_A_AFTER_PLAY>(a);
    watch<KestoSvcIntFn, kServiceA, KESTO_SVC_A_IS_PLAYING>(a);
    watch<KestoSvcDeviceDeleteFn, kServiceA, KESTO_SVC_A_DEVICE_DELETE>(a);
    watch<KestoSvcMp3ConnectedFn, kServiceA, KESTO_SVC_A_MP3_CONNECTED>(a);
    watch<KestoSvcIntFn, kServiceA, KESTO_SVC_A_PHONE_CONNECTED>(a);
    watch<KestoSvcCloseFn, kServiceA, KESTO_SVC_A_CLOSE_SONG_TEXT>(a);
    watch<KestoSvcCreatePlaylistFn, kServiceA, KESTO_SVC_A_CREATE_PLAYLIST>(a);
    watch<KestoSvcTransferFn, kServiceA, KESTO_SVC_A_TRANSFER>(a);
    watch<KestoSvcCreateMyAlbumFn, kServiceA, KESTO_SVC_A_CREATE_MY_ALBUM>(a);
}

// Slots served but not watched: the run would prove nothing about them.
std::vector<std::pair<int, int>> unwatched() {
    std::vector<std::pair<int, int>> found;
    const std::pair<KestoHostTable, int> tables[] = {
        {PanelHost::networkTable(), KESTO_NET_TABLE_SIZE},
        {PanelHost::serviceATable(), KESTO_SERVICE_A_TABLE_SIZE},
        {PanelHost::serviceBTable(), KESTO_SERVICE_B_TABLE_SIZE}};
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < tables[t].second; ++s)
            if (tables[t].first[s] != nullptr && !watchedSlots.contains({t, s}))
                found.push_back({t, s});
    return found;
}

TEST(HostThreadsTest, OnlyTheTagReaderRunsOffTheGuiThread) {
    guiThread = std::this_thread::get_id();
    PanelHost host;
    watchAll();
    ASSERT_TRUE(unwatched().empty());
    std::string why;
    ASSERT_TRUE(host.start(why)) << why;
    std::vector<fs::path> files;
    for (const char* name : {"one", "two", "three"}) {
        files.push_back(host.dataFolder() / (std::string(name) + ".mp3"));
        writeTaggedMp3(files.back(), name, "Tester");
    }

    // A chart, listened to and played through its play grants.
    host.show(2, 1001, "00104");
    for (const int row : {0, 1})
        host.list()->setRowChecked(row, true);
    host.entry<KestoEntry45>(45)();
    int chosen = -1;
    host.entry<KestoEntry24>(24)(nullptr, 1, -1, 0, &chosen, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr);
    EXPECT_EQ(host.entry<KestoEntry9>(9)(), 0);
    // A play list made by the host, filled from files on a reader thread.
    const int album = PanelHost::serviceATable()[KESTO_SVC_A_CREATE_PLAYLIST] != nullptr
                          ? reinterpret_cast<KestoSvcCreatePlaylistFn>(
                                PanelHost::serviceATable()[KESTO_SVC_A_CREATE_PLAYLIST])("Drive")
                          : 0;
    ASSERT_GT(album, 0);
    host.show(4, 4100, std::to_string(album));
    EXPECT_EQ(host.entry<KestoEntry73>(73)(fileList(files).c_str()), 3);
    ASSERT_TRUE(
        PanelHost::processUntil([&] { return host.panelLog().count(msg::kLocalPageReady) >= 1; }, 10s));
    // Local files played, a download handed to the host, a transfer to a device.
    host.entry<KestoEntry43>(43)(fileList({files[0]}).c_str());
    host.show(2, 1001, "00104");
    host.list()->setRowChecked(0, true);
    host.entry<KestoEntry70>(70)(0, "");
    host.entry<KestoEntry42>(42)(2);
    // Mini mode with files dropped on it.
    const KestoRect rect{100, 100, 500, 400};
    ASSERT_EQ(host.entry<KestoEntry27>(27)(&rect), 1);
    host.entry<KestoEntry26>(26)(1);
    host.entry<KestoEntry4>(4)(host.dataFolder().c_str());
    host.entry<KestoEntry26>(26)(0);
    PanelHost::processPending();
    EXPECT_EQ(host.entry<KestoEntry17>(17)(), 1);

    std::lock_guard lock(offMutex);
    EXPECT_EQ(calledOff, (std::set<std::pair<int, int>>{{kServiceB, KESTO_SVC_B_READ_TAGS}}));
}

} // namespace
} // namespace kesto::test
