#pragma once
// A loaded module in the test host with the mini play list at hand: the now-playing list
// filled from a chart, the mini list created, switched on and shown as a host does it.

#include "tests/integration/drag_events.h"
#include "tests/integration/panel_host.h"

#include "include/kesto/window_message.h"
#include "listview/song_list_view.h"
#include "songs/panel_messages.h"
#include "songs/song.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kesto::test {

class MiniFixture : public ::testing::Test {
protected:
    static constexpr int kChartMenu = 1001;
    static constexpr const char* kChart = "00104";
    static constexpr int kNowPlayingMenu = 0;
    static constexpr int kListOnly = 4;

    void SetUp() override {
        std::string why;
        ASSERT_TRUE(host.start(why)) << why;
    }

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
    std::string play(int position) {
        std::array<char, KESTO_PLAY_TEXT_SIZE> name{};
        int chosen = -1;
        host.entry<KestoEntry24>(24)("", 0, position, 0, &chosen, name.data(), nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr);
        return name.data();
    }

    static std::vector<std::string> namesOf(const SongListView& list) {
        std::vector<std::string> names;
        for (int row = 0; row < list.rowCount(); ++row)
            names.emplace_back(list.record(row) != nullptr ? list.record(row)->text(SongField::Song_Name)
                                                           : "");
        return names;
    }

    // The middle of a row's song cell.
    static QPoint rowPoint(const SongListView& list, int row, int column) {
        return list.cellRect(row, column).center();
    }

    static DropAnswers dragTo(const SongListView& list, const QMimeData& data, QPoint at) {
        return dragAndDrop(list.viewport(), data, at);
    }

    MessageLog& log() { return host.hostLog(); }

    PanelHost host;
};

} // namespace kesto::test
