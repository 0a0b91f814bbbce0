// The entry table over the Qt-free module state, with mock panel and mini windows.
#include "entry/entry_table.h"
#include "mock_objects.h"
#include "module/module_state.h"
#include "songs/panel_messages.h"
#include "songs/song_store.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kesto {
namespace {

using ::testing::_;
using ::testing::InSequence;
using ::testing::NiceMock;
using ::testing::Return;

class EntryTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        state().reset();
        state().setPanelFactory(nullptr);
        state().setMiniListFactory(nullptr);
        state().setSongTextFactory(nullptr);
        state().setSettingWriter(nullptr);
        state().setPort(&port);
        table = EntryTable::accept(&hostWindow);
        ASSERT_NE(table, nullptr);
    }
    void TearDown() override {
        state().reset();
        state().setPort(nullptr);
    }

    static ModuleState& state() { return ModuleState::instance(); }
    template <class Fn> Fn entry(int index) { return reinterpret_cast<Fn>(table[index]); }

    NiceMock<MockPanel>* addPanel() {
        auto panel = std::make_unique<NiceMock<MockPanel>>();
        auto* raw = panel.get();
        ON_CALL(*raw, window()).WillByDefault(Return(&panelWindow));
        state().setPanel(std::move(panel));
        return raw;
    }
    NiceMock<MockMiniList>* addMiniList() {
        auto list = std::make_unique<NiceMock<MockMiniList>>();
        auto* raw = list.get();
        state().setMiniList(std::move(list));
        return raw;
    }
    NiceMock<MockSongText>* addSongText() {
        auto text = std::make_unique<NiceMock<MockSongText>>();
        auto* raw = text.get();
        state().setSongText(std::move(text));
        return raw;
    }

    int hostWindow = 0;
    int panelWindow = 0;
    RecordingPort port;
    KestoEntryFn* table = nullptr;
};

TEST_F(EntryTableTest, AcceptRefusesNullSecondWindowAndExistingPanel) {
    int other = 0;
    EXPECT_EQ(EntryTable::accept(&other), nullptr); // a window was accepted in SetUp
    state().reset();
    EXPECT_EQ(EntryTable::accept(nullptr), nullptr);
    addPanel();
    EXPECT_EQ(EntryTable::accept(&other), nullptr);
    state().setPanel(nullptr);
    EXPECT_EQ(EntryTable::accept(&other), state().table());
    for (int i = 0; i < KESTO_ENTRY_COUNT; ++i)
        EXPECT_NE(state().table()[i], nullptr) << "entry " << i;
}

TEST_F(EntryTableTest, AbsentObjectsGiveZeroAndTouchNothing) {
    char buffer[KESTO_SERVER_TIME_SIZE] = "stale";
    EXPECT_EQ(entry<KestoEntry2>(2)(buffer), buffer);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(entry<KestoEntry0>(0)(), 0);
    EXPECT_EQ(entry<KestoEntry1>(1)(), 0);
    EXPECT_EQ(entry<KestoEntry7>(7)(5), 0);
    EXPECT_EQ(entry<KestoEntry9>(9)(), 0);
    EXPECT_EQ(entry<KestoEntry12>(12)(&hostWindow, 1234), 0);
    EXPECT_EQ(entry<KestoEntry16>(16)(nullptr, 0), 0); // no factory registered
    EXPECT_EQ(entry<KestoEntry17>(17)(), 1);
    EXPECT_EQ(entry<KestoEntry20>(20)(), nullptr);
    EXPECT_EQ(entry<KestoEntry27>(27)(nullptr), 0);
    EXPECT_EQ(entry<KestoEntry29>(29)(), 0);
    EXPECT_EQ(entry<KestoEntry34>(34)(5), 0);
    EXPECT_EQ(entry<KestoEntry34>(34)(9), 9);
    EXPECT_EQ(entry<KestoEntry35>(35)(1, 2, 3, 4), 1);
    EXPECT_EQ(entry<KestoEntry36>(36)("x"), 1);
    EXPECT_EQ(entry<KestoEntry56>(56)(0, 1), 0);
    EXPECT_EQ(entry<KestoEntry60>(60)(), 0);
    KestoRect rect{1, 2, 3, 4};
    for (int which = 1; which <= 4; ++which)
        EXPECT_EQ(entry<KestoEntry74>(74)(which, &rect), nullptr);
    EXPECT_EQ(rect.left, 1);
    for (int reserved : {61, 64, 65, 66})
        EXPECT_EQ(entry<KestoEntry61>(reserved)(), 0);
    EXPECT_EQ(entry<KestoEntry54>(54)(3), 0);
    int position = -5;
    entry<KestoEntry24>(24)("", 0, 0, 0, &position, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(position, -5);
    entry<KestoEntry26>(26)(1);
    entry<KestoEntry30>(30)();
    entry<KestoEntry45>(45)();
    EXPECT_TRUE(port.posted.empty());
}

TEST_F(EntryTableTest, StartupValuesAndHostIntegersAreKept) {
    static int served = 0;
    KestoHostFn b[KESTO_SERVICE_B_TABLE_SIZE] = {};
    b[KESTO_SVC_B_VALUE] = reinterpret_cast<KestoHostFn>(+[]() { return ++served + 41; });
    int resource = 0;
    EXPECT_EQ(entry<KestoEntry14>(14)(&resource, nullptr, nullptr, 1, nullptr, b), 1);
    EXPECT_EQ(state().startup().resource, &resource);
    EXPECT_EQ(state().startup().tagService, 1);
    EXPECT_EQ(entry<KestoEntry9>(9)(), 42);
    EXPECT_EQ(entry<KestoEntry21>(21)(7), 7);
    EXPECT_EQ(entry<KestoEntry22>(22)(8), 8);
    EXPECT_EQ(state().hostValue(0), 7);
    EXPECT_EQ(state().hostValue(1), 8);
}

TEST_F(EntryTableTest, CreatePanelThroughFactory) {
    NiceMock<MockPanel>* made = nullptr;
    bool windowOk = false;
    state().setPanelFactory([&](ModuleState&) {
        auto panel = std::make_unique<NiceMock<MockPanel>>();
        made = panel.get();
        EXPECT_CALL(*made, createWindow(static_cast<WindowHandle>(&hostWindow), _, true))
            .WillOnce([&](WindowHandle, const KestoRect& r, bool) { return windowOk = r.right == 300; });
        return panel;
    });
    const KestoRect rect{0, 0, 300, 200};
    EXPECT_EQ(entry<KestoEntry16>(16)(&rect, 1), 1);
    EXPECT_TRUE(windowOk);
    EXPECT_EQ(entry<KestoEntry16>(16)(&rect, 1), 0); // one panel only
    EXPECT_EQ(state().panel(), made);
}

TEST_F(EntryTableTest, PanelWhoseWindowFailsStaysAllocated) {
    state().setPanelFactory([](ModuleState&) {
        auto panel = std::make_unique<NiceMock<MockPanel>>();
        ON_CALL(*panel, createWindow(_, _, _)).WillByDefault(Return(false));
        return panel;
    });
    EXPECT_EQ(entry<KestoEntry16>(16)(nullptr, 0), 0);
    EXPECT_NE(state().panel(), nullptr);
}

TEST_F(EntryTableTest, DestroyAllGoesPanelMiniListSongText) {
    auto* panel = addPanel();
    auto* list = addMiniList();
    auto* text = addSongText();
    {
        InSequence order;
        EXPECT_CALL(*panel, destroyWindow());
        EXPECT_CALL(*list, destroyWindow());
        EXPECT_CALL(*text, destroyWindow());
    }
    EXPECT_EQ(entry<KestoEntry17>(17)(), 1);
    EXPECT_EQ(state().panel(), nullptr);
    EXPECT_EQ(state().miniList(), nullptr);
    EXPECT_EQ(state().songText(), nullptr);
}

TEST_F(EntryTableTest, LoginEntryReplacesUserIdOnlyWhenGiven) {
    auto* block = static_cast<LoginBlock*>(entry<KestoEntry3>(3)());
    EXPECT_EQ(block->loginState, -1);
    entry<KestoEntry39>(39)("", "alice", 0, 0);
    EXPECT_EQ(block->userId, "alice");
    EXPECT_EQ(block->loginState, -1);
    entry<KestoEntry39>(39)(nullptr, "", 0, 0);
    entry<KestoEntry39>(39)(nullptr, nullptr, 0, 0);
    EXPECT_EQ(block->userId, "alice");
    entry<KestoEntry39>(39)("", "bob", 0, 1); // d != 0: nothing is taken
    EXPECT_EQ(block->userId, "alice");
    auto* panel = addPanel();
    EXPECT_CALL(*panel, startPromotion()).Times(1);
    entry<KestoEntry39>(39)("", "", 1, 1);
}

TEST_F(EntryTableTest, MiniModeSwitchHandsStoreOverAndTellsHost) {
    auto* panel = addPanel();
    auto* list = addMiniList();
    auto* store = reinterpret_cast<SongStore*>(&panelWindow);
    bool flag = false;
    ON_CALL(*panel, nowPlayingStore()).WillByDefault(Return(store));
    ON_CALL(*panel, pageKind()).WillByDefault(Return(1));
    ON_CALL(*panel, miniModeFlag()).WillByDefault([&] { return flag; });
    ON_CALL(*panel, setMiniModeFlag(_)).WillByDefault([&](bool on) { flag = on; });
    EXPECT_CALL(*list, takeOverNowPlaying(store));
    entry<KestoEntry26>(26)(1);
    EXPECT_EQ(entry<KestoEntry1>(1)(), 1);
    EXPECT_EQ(port.posted.back(), (PostedMessage{&hostWindow, KESTO_MSG_MINI_MODE_SWITCHED, 0, 0}));

    ON_CALL(*list, currentIndex()).WillByDefault(Return(4));
    ON_CALL(*panel, pageKind()).WillByDefault(Return(3));
    EXPECT_CALL(*panel, selectSong(4));
    EXPECT_CALL(*list, clearList());
    entry<KestoEntry26>(26)(0);
    EXPECT_EQ(entry<KestoEntry1>(1)(), 0);
    EXPECT_EQ(port.posted.size(), 1u); // page kind 3: the host is not told
}

TEST_F(EntryTableTest, ListenRoutesByMiniMode) {
    auto* panel = addPanel();
    bool flag = false;
    ON_CALL(*panel, miniModeFlag()).WillByDefault([&] { return flag; });
    EXPECT_CALL(*panel, listen()).Times(1);
    entry<KestoEntry45>(45)();
    flag = true; // flag without a mini list: the host plays
    entry<KestoEntry45>(45)();
    EXPECT_EQ(port.posted.back(), (PostedMessage{&hostWindow, KESTO_MSG_PLAY_NOW_PLAYING, 0, 1}));
    auto* list = addMiniList();
    EXPECT_CALL(*list, listen()).Times(1);
    entry<KestoEntry45>(45)();
}

TEST_F(EntryTableTest, NextSongCopiesNonEmptyResultsWithinCapacity) {
    auto* panel = addPanel();
    NextSongResult r;
    r.position = 3;
    r.songName = "name";
    r.streamAddress = std::string(2000, 'u');
    r.playSeconds = 22;
    r.fullPlay = 55;
    ON_CALL(*panel, nextSong(_)).WillByDefault([&](const NextSongRequest& q) {
        EXPECT_EQ(q.hostText, "");
        EXPECT_EQ(q.playMode, 100);
        return r;
    });
    int position = 0, f2 = 0, f5 = 0;
    char name[KESTO_PLAY_TEXT_SIZE] = "old";
    char artist[KESTO_PLAY_TEXT_SIZE] = "keep";
    char f1[KESTO_PLAY_URL_SIZE + 8];
    std::memset(f1, 'z', sizeof f1);
    entry<KestoEntry24>(24)(nullptr, 100, 0, 0, &position, name, artist, nullptr, f1, &f2, nullptr, nullptr,
                            &f5, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(position, 3);
    EXPECT_STREQ(name, "name");
    EXPECT_STREQ(artist, "keep"); // empty result: host buffer untouched
    EXPECT_EQ(std::strlen(f1), KESTO_PLAY_URL_SIZE - 1u);
    EXPECT_EQ(f1[KESTO_PLAY_URL_SIZE], 'z');
    EXPECT_EQ(f2 + f5, 77);
}

TEST_F(EntryTableTest, ClosingSongTextStoresItsRectangle) {
    auto* text = addSongText();
    std::string written;
    state().setSettingWriter([&](std::string_view key, std::string_view name, std::string_view value) {
        written = std::string(key) + "|" + std::string(name) + "|" + std::string(value);
    });
    ON_CALL(*text, rectangle()).WillByDefault(Return(KestoRect{10, 20, 351, 242}));
    EXPECT_CALL(*text, destroyWindow());
    entry<KestoEntry30>(30)();
    EXPECT_EQ(written, "Software\\Kesto\\Main|SongTextRectInfo|10,351,20,242");
    EXPECT_EQ(state().songText(), nullptr);
}

TEST_F(EntryTableTest, PostingEntriesQueueForThePanelWindow) {
    addPanel();
    EXPECT_EQ(entry<KestoEntry56>(56)(0, 9), 1);
    EXPECT_EQ(entry<KestoEntry56>(56)(1, 8), 1);
    EXPECT_EQ(entry<KestoEntry57>(57)(0), 1);
    EXPECT_EQ(entry<KestoEntry57>(57)(2), 1);
    EXPECT_EQ(entry<KestoEntry58>(58)(), 1);
    EXPECT_EQ(entry<KestoEntry60>(60)(), 1);
    std::vector<PostedMessage> expected = {
        {&panelWindow, msg::kAddFilesDialog, 9, 0},   {&panelWindow, msg::kAddFilesSecond, 8, 0},
        {&panelWindow, msg::kLocalAlbumRows, 0, 0},   {&panelWindow, msg::kCartRows, 0, 0},
        {&panelWindow, msg::kAddToOnlineAlbum, 0, 0}, {&panelWindow, msg::kDelete, 0, 0}};
    EXPECT_EQ(port.posted, expected);
}

TEST_F(EntryTableTest, ListArgumentsAreParsed) {
    auto* panel = addPanel();
    const std::vector<std::string> paths = {"/a/1.mp3", "/b/2.ogg"};
    EXPECT_CALL(*panel, playFiles(paths));
    entry<KestoEntry43>(43)("/a/1.mp3\0/b/2.ogg\0");
    EXPECT_CALL(*panel, addDroppedFiles(std::vector<std::string>{})).WillOnce(Return(0));
    EXPECT_EQ(entry<KestoEntry73>(73)(nullptr), 0);
    const std::uint16_t words[] = {2, 5, 9, 77};
    EXPECT_CALL(*panel, actOnNowPlaying(3, std::vector<int>{5, 9}, 0));
    entry<KestoEntry62>(62)(3, words, 0);
}

TEST_F(EntryTableTest, SendCarriesTheNowPlayingStore) {
    auto* panel = addPanel();
    SongStore store;
    ON_CALL(*panel, nowPlayingStore()).WillByDefault(Return(&store));
    int target = 0;
    EXPECT_EQ(entry<KestoEntry12>(12)(&target, 1500), 77);
    EXPECT_EQ(port.sent.back().target, &target);
    EXPECT_EQ(port.sent.back().message, 1500u);
    EXPECT_NE(port.sent.back().lParam, 0); // the list's contents are read by the host test
}

} // namespace
} // namespace kesto
