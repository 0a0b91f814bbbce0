#pragma once
// The fixture of the loaded-panel tests: the module in a Qt host against the reference service,
// with helpers that play, tick, list and wait as a host and a user would.

#include "tests/integration/drag_events.h"
#include "tests/integration/panel_host.h"
#include "tests/library/dcf_bytes.h"

#include "columns/list_command_ids.h"
#include "include/kesto/window_message.h"
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
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <array>
#include <fstream>

namespace kesto::test {

using namespace std::chrono_literals;

constexpr int kChartMenu = 1001;
constexpr int kChartPageKind = 19;
constexpr int kNowPlayingPageKind = 1;
constexpr const char* kChart = "00104";
constexpr const char* kFiftyRowChart = kChart;
constexpr const char* kHundredRowChart = "00101";
constexpr int kNowPlayingMenu = 0;
constexpr int kListOnly = 4;
constexpr int kNextMode = 1;
constexpr int kNowPlayingNameColumn = 4; // set A: play state, check, No., lyrics, title
constexpr int kCheckColumn = 1;

// UTF-8 text as Qt's.
inline QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Played {
    int position = -1;
    std::string name;
    std::string songId;
    std::string streamAddress;
    std::string stored;
    int seconds = 0;  // reply field 2: what the grant allows
    int fullPlay = 0; // reply field 5
    int playTime = 0; // the song's length
};

// Reads the now-playing store that entry 12 sends, in the public C layout only, and answers
// with the count it read.
class StoreReader : public QWidget {
public:
    bool event(QEvent* event) override {
        if (event->type() != WindowMessageEvent::eventType())
            return QWidget::event(event);
        auto* message = static_cast<WindowMessageEvent*>(event);
        const auto* list = reinterpret_cast<const KestoSongList*>(message->lParam());
        current = list->current;
        records.assign(list->records, list->records + list->count);
        message->setResult(list->count);
        return true;
    }
    std::vector<KestoSongRecord> records;
    int current = -2;
};

class PanelEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(host.start(why)) << why;
        PanelHost::boxTexts().clear();
    }

    SongListView& list() { return *host.list(); }
    const LoginBlock& login() { return *static_cast<const LoginBlock*>(host.entry<KestoEntry3>(3)()); }

    // The column of that kind in the shown list, or -1.
    int columnOf(int kind) {
        for (int column = 0; column < list().columnCount(); ++column)
            if (list().columnKind(column) == kind)
                return column;
        return -1;
    }

    void tick(std::initializer_list<int> rows) {
        for (const int row : rows)
            host.list()->setRowChecked(row, true);
    }

    bool hostGot(unsigned message, std::size_t count = 1) {
        return PanelHost::processUntil([&] { return host.hostLog().of(message).size() >= count; }, 5s);
    }

    bool waitForReady(int count) {
        return PanelHost::processUntil([&] { return host.panelLog().count(msg::kLocalPageReady) >= count; },
                                       10s);
    }

    // A section value of the settings.
    static std::string sectionSetting(const char* section, const char* name) {
        std::string value;
        RegistryKey().readSectionString(section, value, name);
        return value;
    }

    static bool boxSaid(const std::string& text) {
        const auto& texts = PanelHost::boxTexts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    // Requests sent for that protocol command ("...?command").
    static int requestsOf(const std::string& command) {
        int count = 0;
        for (const SentRequest& sent : PanelHost::requestsSent())
            count += sent.url.ends_with("?" + command) ? 1 : 0;
        return count;
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
        p.seconds = f2;
        p.fullPlay = f5;
        p.playTime = time;
        return p;
    }

    // Ticks rows of the shown list and plays them through entry 45 (listen).
    void listenTo(std::initializer_list<int> rows) {
        tick(rows);
        host.entry<KestoEntry45>(45)();
        PanelHost::processPending();
    }

    QTextBrowser* htmlText() const {
        return host.panelWindow()->findChild<QTextBrowser*>(QStringLiteral("htmlArea"));
    }

    // Local album id called name in the album database, holding files (each named by its stem).
    void addAlbum(const char* id, const char* name, const std::vector<std::filesystem::path>& files = {}) {
        MyAlbumDb db;
        ASSERT_TRUE(db.start(host.dataFolder()));
        ASSERT_TRUE(db.addAlbum(id, name));
        for (const auto& file : files) {
            Song record;
            record.setText(SongField::Song_Name, file.stem().string());
            record.setText(SongField::Local_Path, file.string());
            ASSERT_FALSE(db.insertSong(AlbumSong::fromRecord(record, id, "")).empty());
        }
    }

    // The item of that command in a fresh row menu of the shown list (kept until the next), or null.
    QAction* rowMenuItem(int command) {
        delete rowMenu; // null once the list took it along
        rowMenu = host.list()->createContextMenu(true);
        if (rowMenu == nullptr)
            return nullptr;
        for (QAction* action : rowMenu->findChildren<QAction*>())
            if (ListMenus::commandOf(action) == command)
                return action;
        return nullptr;
    }

    std::filesystem::path localFile(const std::string& name) {
        const auto file = host.dataFolder() / (name + ".mp3");
        writeTaggedMp3(file, name, "Tester");
        return file;
    }

    PanelHost host;
    QPointer<QMenu> rowMenu; // the list's child
};

// The mini play list at hand: the now-playing list filled from a chart, the mini list created,
// switched on and shown as a host does it.
class MiniFixture : public PanelEntriesTest {
protected:
    // Every row of the chart listened to: the now-playing list holds the chart.
    int fillNowPlaying() {
        host.show(2, kChartMenu, kChart);
        host.entry<KestoEntry53>(53)(1);
        host.entry<KestoEntry45>(45)();
        PanelHost::processPending();
        return host.entry<KestoEntry0>(0)();
    }

    // Entries 27, 26 (on) and 34 (show).
    bool enterMiniMode(KestoRect rect = {60, 40, 460, 440}) {
        if (host.entry<KestoEntry27>(27)(&rect) != 1)
            return false;
        host.entry<KestoEntry26>(26)(1);
        host.entry<KestoEntry34>(34)(5);
        PanelHost::processPending();
        return miniList() != nullptr;
    }

    QWidget* miniWindow() const { return static_cast<QWidget*>(host.entry<KestoEntry31>(31)()); }
    SongListView* miniList() const {
        KestoRect rect{};
        return static_cast<SongListView*>(static_cast<QWidget*>(host.entry<KestoEntry74>(74)(3, &rect)));
    }

    void press(int controlId) {
        QCoreApplication::postEvent(miniWindow(), new WindowMessageEvent(msg::kWindowCommand, controlId, 0));
        PanelHost::processPending();
    }

    // Entry 24 for a position, as the host asks when it plays: the song name it got back.
    std::string play(int position) { return playNext(position, 0).name; }

    static std::vector<std::string> namesOf(const SongListView& list) {
        std::vector<std::string> names;
        for (int row = 0; row < list.rowCount(); ++row)
            names.emplace_back(list.record(row) != nullptr ? list.record(row)->text(SongField::Song_Name)
                                                           : "");
        return names;
    }

    // The middle of a row's cell.
    static QPoint rowPoint(const SongListView& list, int row, int column) {
        return list.cellRect(row, column).center();
    }

    static DropAnswers dragTo(const SongListView& list, const QMimeData& data, QPoint at) {
        return dragAndDrop(list.viewport(), data, at);
    }

    MessageLog& log() { return host.hostLog(); }
};

} // namespace kesto::test
