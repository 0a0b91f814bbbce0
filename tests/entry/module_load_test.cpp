// The entry table as a host sees it: libKesto_List.so loaded with dlopen. Every test runs in
// its own process, so each starts with a freshly loaded module. There is no QApplication
// here, so entry 16 can make no panel window: the entries must cope with that too.
#include "include/kesto/panel_api.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <string>

namespace {

class ModuleLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        handle = dlopen(KESTO_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        getInfo = reinterpret_cast<KestoGetPanelInfoFn>(dlsym(handle, "Song_GetPanelInfo"));
        ASSERT_NE(getInfo, nullptr);
    }
    void TearDown() override {
        if (handle != nullptr)
            dlclose(handle);
    }
    KestoEntryFn* open() {
        KestoEntryFn* t = getInfo(&window);
        EXPECT_NE(t, nullptr);
        return t;
    }
    template <class Fn> static Fn at(KestoEntryFn* t, int i) { return reinterpret_cast<Fn>(t[i]); }

    struct Block {
        int state;
        char uKey[260];
        char password[260];
    };

    static std::string loginReply(const std::string& state, const std::string& key, int fields = 34) {
        std::string text = state + "\x0B" + key + "\x0Bsecret";
        for (int i = 3; i < fields; ++i)
            text += "\x0B" + std::to_string(i);
        return text;
    }

    void* handle = nullptr;
    KestoGetPanelInfoFn getInfo = nullptr;
    int window = 0;
};

TEST_F(ModuleLoadTest, RefusesNullWindowThenAcceptsOneWindowOnly) {
    EXPECT_EQ(getInfo(nullptr), nullptr);
    KestoEntryFn* t = open();
    int other = 0;
    EXPECT_EQ(getInfo(&other), nullptr);
    EXPECT_EQ(getInfo(&window), nullptr);
    for (int i = 0; i < KESTO_ENTRY_COUNT; ++i)
        EXPECT_NE(t[i], nullptr) << "entry " << i;
}

TEST_F(ModuleLoadTest, LoginReplyFillsTheBlockTheHostSees) {
    KestoEntryFn* t = open();
    auto* block = static_cast<Block*>(at<KestoEntry3>(t, 3)());
    EXPECT_EQ(block->state, -1);
    at<KestoEntry39>(t, 39)(loginReply("2", "key-1").c_str(), "user", 0, 0);
    EXPECT_EQ(block->state, 2);
    EXPECT_STREQ(block->uKey, "key-1");
    EXPECT_STREQ(block->password, "secret");
    // Bad replies after a good one change nothing.
    at<KestoEntry39>(t, 39)("", "", 0, 0);
    at<KestoEntry39>(t, 39)(nullptr, nullptr, 0, 0);
    at<KestoEntry39>(t, 39)(loginReply("9", "short", 33).c_str(), "", 0, 0);
    const std::string withNul = loginReply("9", "cut") + std::string(1, '\0');
    at<KestoEntry39>(t, 39)(std::string("7\x0Bk\0", 4).append(withNul).c_str(), "", 0, 0);
    EXPECT_EQ(block->state, 2);
    EXPECT_STREQ(block->uKey, "key-1");
}

TEST_F(ModuleLoadTest, EntriesBeforeStartAndWithoutPanelAreHarmless) {
    KestoEntryFn* t = open();
    EXPECT_EQ(at<KestoEntry16>(t, 16)(nullptr, 0), 0); // before 14
    EXPECT_EQ(at<KestoEntry14>(t, 14)(nullptr, nullptr, nullptr, 0, nullptr, nullptr), 1);
    const KestoRect rect{0, 0, 640, 480};
    EXPECT_EQ(at<KestoEntry16>(t, 16)(&rect, 1), 0);
    EXPECT_EQ(at<KestoEntry0>(t, 0)(), 0);
    EXPECT_EQ(at<KestoEntry13>(t, 13)(), 0);
    EXPECT_EQ(at<KestoEntry20>(t, 20)(), nullptr);
    EXPECT_EQ(at<KestoEntry31>(t, 31)(), nullptr);
    EXPECT_EQ(at<KestoEntry48>(t, 48)(1), 0);
    EXPECT_EQ(at<KestoEntry59>(t, 59)(), 0);
    EXPECT_EQ(at<KestoEntry9>(t, 9)(), 0);
    char text[KESTO_PLAY_TEXT_SIZE] = "x";
    EXPECT_EQ(at<KestoEntry10>(t, 10)(text), text);
    EXPECT_STREQ(text, "");
    at<KestoEntry23>(t, 23)(2, "a", 1001, "b", 0);
    at<KestoEntry43>(t, 43)("/tmp/a.mp3\0");
    at<KestoEntry45>(t, 45)();
    at<KestoEntry62>(t, 62)(0, nullptr, 0);
    // Host buffers and out values stay as they were, but for a text that has nothing to say.
    char time[KESTO_SERVER_TIME_SIZE] = "stale";
    EXPECT_EQ(at<KestoEntry2>(t, 2)(time), time);
    EXPECT_STREQ(time, "");
    KestoRect kept{1, 2, 3, 4};
    for (int which = 1; which <= 4; ++which)
        EXPECT_EQ(at<KestoEntry74>(t, 74)(which, &kept), nullptr);
    EXPECT_EQ(kept.left, 1);
    // The panel whose window could not be made has nothing to play and writes no text.
    int position = -5;
    char name[KESTO_PLAY_TEXT_SIZE] = "kept";
    at<KestoEntry24>(t, 24)("", 0, 0, 0, &position, name, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(position, -1);
    EXPECT_STREQ(name, "kept");
    EXPECT_EQ(at<KestoEntry12>(t, 12)(&window, 1234), 0);
    EXPECT_EQ(at<KestoEntry56>(t, 56)(0, 1), 0);
    EXPECT_EQ(at<KestoEntry73>(t, 73)(nullptr), 0);
    at<KestoEntry15>(t, 15)();
    EXPECT_EQ(at<KestoEntry17>(t, 17)(), 1);
    EXPECT_EQ(at<KestoEntry17>(t, 17)(), 1);
}

} // namespace
