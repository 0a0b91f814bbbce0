#pragma once
// The fixture of the panel's entry tests: the module in a Qt host against the reference service,
// with helpers that play, tick and list as a host and a user would.

#include "tests/integration/panel_host.h"
#include "tests/library/dcf_bytes.h"

#include "columns/list_command_ids.h"
#include "library/album_song.h"
#include "library/my_album_db.h"
#include "listview/list_menus.h"
#include "listview/song_list_view.h"
#include "platform/cp949.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "songs/login_block.h"
#include "songs/panel_messages.h"
#include "songs/song_record.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <fstream>

namespace kesto::test {

using namespace std::chrono_literals;

constexpr int kChartMenu = 1001;
constexpr const char* kFiftyRowChart = "00104";
constexpr const char* kHundredRowChart = "00101";
constexpr int kNowPlayingMenu = 0;
constexpr int kListOnly = 4;
constexpr int kNextMode = 1;
constexpr int kNowPlayingNameColumn = 4; // set A: play state, check, No., lyrics, title
constexpr int kCheckColumn = 1;

struct Played {
    int position = -1;
    std::string name;
    std::string songId;
    std::string streamAddress;
    std::string stored;
};

class PanelEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(host.start(why)) << why;
    }

    Played playNext(int position, int mode = kNextMode) {
        Played p;
        char name[KESTO_PLAY_TEXT_SIZE] = {};
        char artist[KESTO_PLAY_TEXT_SIZE] = {};
        char id[KESTO_PLAY_TEXT_SIZE] = {};
        char field1[KESTO_PLAY_URL_SIZE] = {};
        char field3[KESTO_PLAY_URL_SIZE] = {};
        char field4[KESTO_PLAY_URL_SIZE] = {};
        char path[KESTO_PLAY_TEXT_SIZE] = {};
        char stored[KESTO_PLAY_TEXT_SIZE] = {};
        int f2 = 0, f5 = 0, time = 0, local = 0, format = 0, lyrics = 0;
        host.entry<KestoEntry24>(24)("", mode, position, 0, &p.position, name, artist, id, field1, &f2,
                                     field3, field4, &f5, &time, &local, path, &format, &lyrics, stored);
        p.name = name;
        p.songId = id;
        p.streamAddress = field1;
        p.stored = stored;
        return p;
    }

    // Ticks rows of the shown list and plays them through entry 45 (listen).
    void listenTo(std::initializer_list<int> rows) {
        for (const int row : rows)
            host.list()->setRowChecked(row, true);
        host.entry<KestoEntry45>(45)();
        PanelHost::processPending();
    }

    int requestsNamed(const std::string& word) const {
        int n = 0;
        for (const SentRequest& r : PanelHost::requestsSent())
            if (r.url.size() >= word.size() &&
                r.url.compare(r.url.size() - word.size(), word.size(), word) == 0)
                ++n;
        return n;
    }

    QTextBrowser* htmlText() const {
        return host.panelWindow()->findChild<QTextBrowser*>(QStringLiteral("htmlArea"));
    }

    std::filesystem::path localFile(const std::string& name) {
        const auto file = host.dataFolder() / (name + ".mp3");
        writeTaggedMp3(file, name, "Tester");
        return file;
    }

    static std::string fileList(const std::vector<std::filesystem::path>& files) {
        std::string list;
        for (const auto& file : files)
            list += file.string() + '\0';
        return list + '\0';
    }

    PanelHost host;
};

} // namespace kesto::test
