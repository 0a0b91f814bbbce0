// Drag and drop on the real panel of the loaded module: hand-made drag events on its song list
// (a drag runs no event loop of its own without a display), against the reference service.
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"

#include "columns/column_kind.h"
#include "columns/drag_formats.h"
#include "columns/drag_payload.h"
#include "listview/drag_table.h"
#include "listview/song_drag_data.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

namespace kesto::test {
namespace {

class DragDropTest : public PanelEntriesTest {
protected:
    // A point on the row's title, where a press selects the row and clicks nothing.
    QPoint rowPoint(int row) { return list().cellRect(row, columnOf(col::kSongName)).center(); }

    DropAnswers dragTo(const QMimeData& data, QPoint at) { return dragAndDrop(list().viewport(), data, at); }

    // Copies of the chart's records, as another list of this process would drag them.
    std::vector<Song> chartSongs() {
        host.show(2, kChartMenu, kChart);
        std::vector<Song> songs;
        for (const Song* record : host.rowRecords())
            songs.push_back(*record);
        return songs;
    }

    static std::unique_ptr<QMimeData> fromElsewhere(std::string_view format, const std::vector<Song>& songs) {
        static const int otherList = 0;
        std::vector<const Song*> records;
        for (const Song& song : songs)
            records.push_back(&song);
        return SongDragData::make(format, DragTable::keep(SongDragData::idOf(&otherList), records));
    }
};

TEST_F(DragDropTest, DragWithinTheNowPlayingPageReordersItsStoreAndEntry24PlaysTheMovedSongNext) {
    host.show(2, kChartMenu, kChart);
    list().checkAll();
    host.entry<KestoEntry45>(45)();
    host.show(kListOnly, kNowPlayingMenu);
    const int count = list().rowCount();
    ASSERT_GE(count, 5);
    const std::string moved = list().record(3)->text(SongField::Song_ID);
    const std::string first = list().record(0)->text(SongField::Song_ID);
    ASSERT_EQ(playNext(-1).songId, first);

    // The row is pressed and the pointer moves off with the button held: the drag starts
    // (and, without a display, ends at once) with that row.
    list().uncheckAll();
    list().setRowChecked(3, true);
    QMouseEvent press(QEvent::MouseButtonPress, rowPoint(3), list().viewport()->mapToGlobal(rowPoint(3)),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(list().viewport(), &press);
    QMouseEvent pull(QEvent::MouseMove, rowPoint(1), list().viewport()->mapToGlobal(rowPoint(1)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(list().viewport(), &pull);
    EXPECT_EQ(list().draggedRows(), std::vector<int>{3});
    EXPECT_FALSE(list().isDragging());

    // The same drag, held open while it is dropped on row 1 of its own list.
    const auto data = list().beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QString::fromLatin1(DragFormats::kAlbum.data())));
    const DropAnswers answers = dragTo(*data, rowPoint(1));
    list().endDrag();
    EXPECT_EQ(answers.over, Qt::MoveAction);
    EXPECT_TRUE(answers.dropped);
    EXPECT_EQ(list().record(1)->text(SongField::Song_ID), moved);
    EXPECT_EQ(list().rowCount(), count);
    // The store took the new order: the song after the first is the moved one.
    EXPECT_EQ(playNext(0).songId, moved);
    EXPECT_EQ(list().currentRow(), 1);
}

TEST_F(DragDropTest, SongsDroppedOnTheShownOnlineAlbumReachTheServiceAndTheCartPageRefusesThem) {
    const std::vector<Song> chart = chartSongs();
    host.show(2, 2100);
    ASSERT_GT(list().rowCount(), 0);
    const std::string album = list().record(0)->text(SongField::Source_ID); // the my album a song is in
    host.show(2, 2200, album);
    const int before = list().rowCount();
    const std::vector<const Song*> shown = host.rowRecords();
    std::vector<Song> fresh;
    for (const Song& song : chart)
        if (std::none_of(shown.begin(), shown.end(), [&song](const Song* row) {
                return row->view(SongField::Song_ID) == song.text(SongField::Song_ID);
            }))
            fresh.push_back(song);
    ASSERT_FALSE(fresh.empty());

    // The dragging list keeps its records while the drag runs.
    const std::vector<Song> dragged = {fresh.front()};
    const auto data = fromElsewhere(DragFormats::kAlbum, dragged);
    const DropAnswers answers = dragTo(*data, rowPoint(0));
    EXPECT_EQ(answers.over, Qt::CopyAction);
    EXPECT_TRUE(answers.dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return requestsOf("addSongToMyAlbum") == 1; }, 5s));
    // The album page is shown again with the dropped song.
    ASSERT_TRUE(PanelHost::processUntil([&] { return list().rowCount() == before + 1; }, 5s));

    // The cart page answers none to songs: nothing reaches the cart.
    host.show(2, 9000);
    const DropAnswers cart = dragTo(*fromElsewhere(DragFormats::kAlbum, chart), QPoint(5, 5));
    EXPECT_EQ(cart.over, Qt::IgnoreAction);
    EXPECT_FALSE(cart.dropped);
    EXPECT_EQ(requestsOf("addToCart"), 0);
}

TEST_F(DragDropTest, FolderDroppedOnALocalAlbumAddsItsAudioFilesAndAStreamingSongIsDownloadedIntoIt) {
    const std::vector<Song> chart = chartSongs();
    const auto folder = host.dataFolder() / "dropped";
    std::filesystem::create_directories(folder / "inner");
    for (const char* name : {"a.mp3", "b.ogg", "notes.txt", "cover.jpg", "inner/c.mp3"})
        std::ofstream(folder / name) << "x";
    addAlbum("7", "Road Trip");
    host.show(4, 4100, "7");
    PanelHost::processPending();
    ASSERT_EQ(list().rowCount(), 0);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
    const DropAnswers answers = dragTo(data, QPoint(5, 5));
    EXPECT_EQ(answers.over, Qt::CopyAction);
    EXPECT_TRUE(answers.dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return list().rowCount() == 3; }, 10s));
    std::vector<std::string> paths;
    for (const Song* record : host.rowRecords())
        paths.emplace_back(std::filesystem::path(record->text(SongField::Local_Path)).filename().string());
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{"a.mp3", "b.ogg", "c.mp3"}));

    // A local file dropped from another list goes in, and the album is shown again with it.
    std::ofstream(folder / "d.mp3") << "x";
    Song local = chart.front();
    local.setText(SongField::Local_Path, (folder / "d.mp3").string());
    EXPECT_TRUE(dragTo(*fromElsewhere(DragFormats::kAlbum, {local}), QPoint(5, 5)).dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return list().rowCount() == 4; }, 10s));

    // A streaming song dropped there is downloaded into this album and no other.
    RegistryKey().writeRootString(settings::kFlagSet, settings::kKtpCheck);
    DialogScript script("purchase", [](QWidget* d) {
        const auto* lists = d->findChild<QComboBox*>("playLists");
        EXPECT_EQ(lists->currentText(), QStringLiteral("Road Trip"));
        EXPECT_FALSE(lists->isEnabled());
        DialogScript::click(d, "cancel");
    });
    EXPECT_TRUE(dragTo(*fromElsewhere(DragFormats::kAlbum, {chart.front()}), QPoint(5, 5)).dropped);
    ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 10s));
}

TEST_F(DragDropTest, DropOfAPayloadThatNamesNoRunningDragIsIgnored) {
    host.show(2, kChartMenu, kChart);
    list().uncheckAll();
    list().setRowChecked(0, true);
    const auto ended = list().beginDrag();
    ASSERT_NE(ended, nullptr);
    list().endDrag();
    const auto seen = SongDragData::payload(*ended, DragFormats::kAlbum);
    EXPECT_FALSE(seen) << "an ended drag names nothing";
    host.show(2, 2100);
    ASSERT_GT(list().rowCount(), 0);
    host.show(2, 2200, list().record(0)->text(SongField::Source_ID));
    const int before = list().rowCount();

    // What another client of the display can read of a drag: the token and a serial. A drag
    // that ended, a serial never used and another token all name no songs here.
    const QByteArray read = ended->data(QString::fromLatin1(DragFormats::kAlbum.data()));
    const auto token = DragPayload::decode(
        std::string_view(read.constData(), static_cast<std::size_t>(read.size())), DragTable::token());
    ASSERT_TRUE(token);
    for (const DragPayload forged : {*token, DragPayload{token->token, token->serial + 1000},
                                     DragPayload{token->token ^ 2, token->serial}}) {
        const std::string bytes = forged.encode();
        QMimeData data;
        for (std::string_view format : DragFormats::kAll)
            data.setData(QString::fromLatin1(format.data()),
                         QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        const DropAnswers answers = dragTo(data, rowPoint(0));
        EXPECT_FALSE(answers.entered);
        EXPECT_FALSE(answers.dropped);
    }
    PanelHost::processPending();
    EXPECT_EQ(requestsOf("addSongToMyAlbum"), 0);
    EXPECT_EQ(list().rowCount(), before);
    EXPECT_EQ(PanelHost::boxesShown(), 0);
}

} // namespace
} // namespace kesto::test
