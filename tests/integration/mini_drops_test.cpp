// Drag and drop on the mini play list of the loaded module: rows moved within it take the
// now-playing list along (the panel's now-playing page too), songs of the panel's pages come
// in where the shown page takes them, files from the desktop go in, and its rows go nowhere else.
#include "tests/integration/panel_entries_fixture.h"

#include "columns/drag_formats.h"
#include "listview/drag_table.h"
#include "listview/song_drag_data.h"

#include <QUrl>

namespace kesto::test {
namespace {

constexpr int kSongColumn = 2;
constexpr int kLocalAlbumMenu = 4100;

class MiniDropsTest : public MiniFixture {
protected:
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

    // Row 4 dragged onto row 1: offered as the mini list's rows only.
    checkOnly(mini, {4});
    const auto data = mini.beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList(QString::fromLatin1(DragFormats::kMiniList.data())));
    const DropAnswers answers = dragTo(mini, *data, rowPoint(mini, 1, kSongColumn));
    mini.endDrag();
    EXPECT_EQ(answers.over, Qt::MoveAction);
    EXPECT_TRUE(answers.dropped);

    const std::string moved = order[4];
    order.erase(order.begin() + 4);
    order.insert(order.begin() + 1, moved);
    EXPECT_EQ(namesOf(mini), order);
    for (int row = 0; row < songs; ++row) // the song cells number the rows anew
        EXPECT_EQ(std::stoi(mini.cellText(row, kSongColumn).toStdString()), row + 1) << row;
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

TEST_F(MiniDropsTest, SongsComeInWhereThePanelsPageTakesThemAndMiniRowsGoNowhereElse) {
    addAlbum("7", "Road Trip");
    writeTaggedMp3(host.dataFolder() / "a.mp3", "Alpha", "Tester");
    writeTaggedMp3(host.dataFolder() / "b.mp3", "Beta", "Tester");
    const int songs = fillNowPlaying();
    ASSERT_TRUE(enterMiniMode());
    SongListView& mini = *miniList();
    std::vector<std::string> expected = namesOf(mini);
    play(3);

    // A chart takes no songs from elsewhere, so the mini list takes none of its songs.
    host.show(2, kChartMenu, "00102");
    checkOnly(*host.list(), {0, 1});
    auto data = host.list()->beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(dragTo(mini, *data, rowPoint(mini, 2, kSongColumn)).over, Qt::IgnoreAction);
    host.list()->endDrag();

    // A local album does: its songs go in at the drop row, and the mini list's rows not into it.
    host.show(kListOnly, kLocalAlbumMenu, "7");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString((host.dataFolder() / "a.mp3").string())),
                   QUrl::fromLocalFile(QString::fromStdString((host.dataFolder() / "b.mp3").string()))});
    ASSERT_TRUE(dragTo(*host.list(), files, QPoint(5, 5)).dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.list()->rowCount() == 2; }, 5s));
    checkOnly(mini, {0});
    data = mini.beginDrag();
    EXPECT_EQ(dragTo(*host.list(), *data, QPoint(5, 5)).over, Qt::IgnoreAction);
    mini.endDrag();
    checkOnly(*host.list(), {0, 1});
    const std::vector<std::string> dragged = host.rowNames();
    data = host.list()->beginDrag();
    const DropAnswers answers = dragTo(mini, *data, rowPoint(mini, 2, kSongColumn));
    host.list()->endDrag();
    EXPECT_EQ(answers.over, Qt::CopyAction);
    EXPECT_TRUE(answers.dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return mini.rowCount() == songs + 2; }, 2s));
    expected.insert(expected.begin() + 2, dragged.begin(), dragged.end());
    EXPECT_EQ(namesOf(mini), expected);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), songs + 2);
    EXPECT_EQ(mini.currentRow(), 5) << "the playing song moved down with the rows put before it";
    EXPECT_EQ(host.list()->rowCount(), 2) << "the album keeps its songs";
}

} // namespace
} // namespace kesto::test
