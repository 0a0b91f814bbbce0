// Drag and drop on the mini play list of the loaded module: rows moved within it take the
// now-playing list along (the panel's now-playing page too), songs of the panel's pages and
// files from the desktop go in, and its rows go out to a local album as now-playing songs do.
#include "tests/integration/panel_entries_fixture.h"

#include "columns/drag_formats.h"
#include "listview/song_drag_data.h"

#include <QUrl>

#include <algorithm>
#include <numeric>

namespace kesto::test {
namespace {

using namespace std::chrono_literals;

constexpr int kSongColumn = 2;
constexpr int kLocalAlbumMenu = 4100;

class MiniDropsTest : public MiniFixture {
protected:
    // The rows' positions as their song cells number them.
    static std::vector<int> numbers(const SongListView& list) {
        std::vector<int> found;
        for (int row = 0; row < list.rowCount(); ++row)
            found.push_back(std::stoi(list.cellText(row, kSongColumn).toStdString()));
        return found;
    }

    static void checkOnly(SongListView& list, std::initializer_list<int> rows) {
        list.uncheckAll();
        for (int row : rows)
            list.setRowChecked(row, true);
    }
};

TEST_F(MiniDropsTest, RowsMovedWithinTheMiniListReorderNowPlayingAndTheCurrentSongStays) {
    const int songs = fillNowPlaying();
    ASSERT_GE(songs, 5);
    host.show(kListOnly, kNowPlayingMenu); // the panel's page points into the same list
    ASSERT_TRUE(enterMiniMode());
    SongListView& mini = *miniList();
    std::vector<std::string> order = namesOf(mini);
    const std::string playing = play(2);
    ASSERT_EQ(playing, order[2]);

    // Row 4 dragged onto row 1: offered as the mini list's rows and as now-playing songs.
    checkOnly(mini, {4});
    const auto data = mini.beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QString::fromLatin1(DragFormats::kMiniList.data())));
    EXPECT_TRUE(data->hasFormat(QString::fromLatin1(DragFormats::kAlbum.data())));
    const DropAnswers answers = dragTo(mini, *data, rowPoint(mini, 1, kSongColumn));
    mini.endDrag();
    EXPECT_EQ(answers.over, Qt::MoveAction);
    EXPECT_TRUE(answers.dropped);

    const std::string moved = order[4];
    order.erase(order.begin() + 4);
    order.insert(order.begin() + 1, moved);
    EXPECT_EQ(namesOf(mini), order);
    std::vector<int> counted(static_cast<std::size_t>(songs));
    std::iota(counted.begin(), counted.end(), 1);
    EXPECT_EQ(numbers(mini), counted);
    EXPECT_TRUE(mini.isChecked(1)) << "the moved row keeps its tick";
    // The playing song is still the current one, one row further down.
    EXPECT_EQ(mini.currentRow(), 3);
    // The panel's page shows the new order, and the host plays it.
    EXPECT_EQ(host.rowNames(), order);
    EXPECT_EQ(play(1), moved);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs);

    // Leaving mini mode: the panel marks the mini list's current song.
    host.entry<KestoEntry26>(26)(0);
    EXPECT_EQ(host.rowNames(), order);
    EXPECT_EQ(host.list()->currentRow(), 1);
}

TEST_F(MiniDropsTest, SongsDraggedFromAChartPageAreCopiedIntoNowPlayingAtTheDropRow) {
    const int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    SongListView& mini = *miniList();
    const std::vector<std::string> before = namesOf(mini);
    play(3);
    host.show(2, kChartMenu, "00102");
    SongListView& chart = *host.list();
    ASSERT_GE(chart.rowCount(), 2);
    checkOnly(chart, {0, 1});
    const std::vector<std::string> dragged = {chart.record(0)->text(SongField::Song_Name),
                                              chart.record(1)->text(SongField::Song_Name)};

    const auto data = chart.beginDrag();
    ASSERT_NE(data, nullptr);
    const DropAnswers answers = dragTo(mini, *data, rowPoint(mini, 2, kSongColumn));
    chart.endDrag();
    EXPECT_EQ(answers.over, Qt::CopyAction);
    EXPECT_TRUE(answers.dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return mini.rowCount() == songs + 2; }, 2s));
    std::vector<std::string> expected = before;
    expected.insert(expected.begin() + 2, dragged.begin(), dragged.end());
    EXPECT_EQ(namesOf(mini), expected);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs + 2);
    EXPECT_EQ(numbers(mini).back(), songs + 2);
    EXPECT_EQ(mini.currentRow(), 5) << "the playing song moved down with the rows put before it";
    EXPECT_EQ(play(2), dragged[0]);

    // The cart's format is no song list's: refused, nothing goes in.
    std::vector<const Song*> records = {mini.record(0)};
    static const int elsewhere = 0;
    const auto cart = SongDragData::make(DragFormats::kCart, records, &elsewhere, 1);
    const DropAnswers refused = dragTo(mini, *cart, rowPoint(mini, 0, kSongColumn));
    EXPECT_FALSE(refused.dropped);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs + 2);
}

TEST_F(MiniDropsTest, FilesAndFoldersDroppedOnTheListGoIntoNowPlaying) {
    const auto folder = host.dataFolder() / "dropped";
    std::filesystem::create_directories(folder / "inner");
    writeTaggedMp3(folder / "inner" / "one.mp3", "One", "Tester");
    writeTaggedMp3(host.dataFolder() / "two.mp3", "Two", "Tester");
    std::ofstream(folder / "notes.txt") << "not a song";
    const int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    SongListView& mini = *miniList();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string())),
                  QUrl::fromLocalFile(QString::fromStdString((host.dataFolder() / "two.mp3").string()))});
    const DropAnswers answers = dragTo(mini, data, rowPoint(mini, 0, kSongColumn));
    EXPECT_EQ(answers.over, Qt::CopyAction);
    EXPECT_TRUE(answers.dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return mini.rowCount() == songs + 2; }, 5s));
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs + 2);
    EXPECT_STREQ(mini.record(songs)->text(SongField::Song_Name), "one");
    EXPECT_STREQ(mini.record(songs + 1)->text(SongField::Song_Name), "two");
}

TEST_F(MiniDropsTest, MiniRowsOfLocalFilesDraggedOntoALocalAlbumAreAddedToIt) {
    {
        MyAlbumDb db;
        ASSERT_TRUE(db.start(host.dataFolder()));
        ASSERT_TRUE(db.execStatement("insert into AlbumName_tbl values('7','Road Trip')"));
    }
    writeTaggedMp3(host.dataFolder() / "a.mp3", "Alpha", "Tester");
    writeTaggedMp3(host.dataFolder() / "b.mp3", "Beta", "Tester");
    ASSERT_TRUE(enterMiniMode());
    const std::string files =
        (host.dataFolder() / "a.mp3").string() + '\0' + (host.dataFolder() / "b.mp3").string() + '\0' + '\0';
    host.entry<KestoEntry43>(43)(files.c_str());
    SongListView& mini = *miniList();
    ASSERT_EQ(mini.rowCount(), 2);
    host.show(kListOnly, kLocalAlbumMenu, "7");
    PanelHost::processPending();
    ASSERT_EQ(host.list()->rowCount(), 0);

    checkOnly(mini, {0, 1});
    const auto data = mini.beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QString::fromLatin1(DragFormats::kPlayList.data())));
    // Over the mini list itself it moves; over the album it copies.
    const DropAnswers answers = dragTo(*host.list(), *data, QPoint(5, 5));
    mini.endDrag();
    EXPECT_EQ(answers.over, Qt::CopyAction);
    EXPECT_TRUE(answers.dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.list()->rowCount() == 2; }, 5s));
    std::vector<std::string> names = host.rowNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(mini.rowCount(), 2) << "the mini list keeps its songs";
}

} // namespace
} // namespace kesto::test
