// Drag and drop on the song list control alone: what a drag offers by page and songs, and what
// the list answers and does when data is dropped on it (hand-made drag events, offscreen).
#include "list_test_support.h"

#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/drag_formats.h"
#include "columns/memory_column_settings.h"
#include "listview/song_drag_data.h"
#include "listview/song_list_view.h"
#include "platform/qt_message_port.h"
#include "songs/panel_messages.h"

#include <QDropEvent>
#include <QMimeData>

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Received;

class DropOwner : public test::TestOwner {
public:
    void rowsMoved() override { ++moves; }
    void songsDropped(const std::vector<SongRecord>& songs) override { dropped = songs; }
    int moves = 0;
    std::vector<SongRecord> dropped;
};

struct SongDragDropTest : ::testing::Test {
    void open(int pageKind, int flags = SongListView::NoFlags) {
        owner.page = pageKind;
        list = std::make_unique<SongListView>(QtMessagePort::instance(), &sink, owner, flags, &sink);
        list->setColumnStore(&store);
        list->applyPageKind(pageKind);
        sink.resize(800, 400);
        list->resize(800, 400);
        sink.show();
    }
    void fill(std::initializer_list<SongRecord> songs) {
        for (const SongRecord& song : songs)
            list->insertRow(-1, std::make_unique<SongRecord>(song));
    }
    static SongRecord local(const std::string& title, int format) {
        SongRecord song = test::song(title);
        copyField(song.Local_Path, "/music/" + title);
        song.File_Format = static_cast<std::uint8_t>(format);
        return song;
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (int row = 0; row < list->rowCount(); ++row)
            out.emplace_back(list->record(row)->Song_Name);
        return out;
    }
    int column(int kind) const {
        for (int c = 0; c < list->columnCount(); ++c)
            if (list->columnKind(c) == kind)
                return c;
        return -1;
    }
    // Enters, moves and drops at y; the action the move was answered with.
    Qt::DropAction dropAt(const QMimeData& data, int y) {
        const QPoint at(40, y);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        move.ignore();
        QApplication::sendEvent(list->viewport(), &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list->viewport(), &drop);
        QCoreApplication::sendPostedEvents();
        return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
    }
    std::vector<std::string> formatsOf(const QMimeData& data) const { return SongDragData::formats(data); }

    QApplication& application = test::app();
    test::MessageSink sink;
    DropOwner owner;
    test::MemoryColumnSettings settings;
    ColumnSetStore store{settings};
    std::unique_ptr<SongListView> list;
};

TEST_F(SongDragDropTest, DragFromTheNowPlayingPageOffersTheFormatOfItsSongsMakeUp) {
    open(1);
    fill({test::song("s1"), test::song("s2"), local("l.mp3", 0), local("w.wma", 5)});
    const auto offered = [this](std::vector<int> rows) {
        list->uncheckAll();
        for (int row : rows)
            list->setRowChecked(row, true);
        const auto data = list->beginDrag();
        list->endDrag();
        return data ? formatsOf(*data) : std::vector<std::string>{};
    };
    using F = DragFormats;
    EXPECT_EQ(offered({0, 1}), std::vector<std::string>{std::string(F::kAlbum)});
    EXPECT_EQ(offered({2}), std::vector<std::string>{std::string(F::kPlayList)});
    EXPECT_EQ(offered({0, 1, 2}), std::vector<std::string>{std::string(F::kTempPlay)});
    EXPECT_EQ(offered({0, 3}), std::vector<std::string>{std::string(F::kMp3Play)});
    EXPECT_TRUE(offered({}).empty()) << "nothing selected, no drag";
}

TEST_F(SongDragDropTest, DragFromDeviceListsStartsNothingAndCartRowsFindNoTarget) {
    open(14);
    fill({test::song("a")});
    list->checkAll();
    EXPECT_EQ(list->beginDrag(), nullptr);
    EXPECT_FALSE(list->isDragging());

    open(23);
    fill({test::song("a"), test::song("b")});
    list->setRowChecked(1, true);
    const auto data = list->beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(formatsOf(*data), std::vector<std::string>{std::string(DragFormats::kCart)});
    EXPECT_EQ(dropAt(*data, 2), Qt::IgnoreAction);
    list->endDrag();
    EXPECT_EQ(titles(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(SongDragDropTest, DropBelowTheLastRowMovesTheDraggedRowsToTheEndAndRenumbers) {
    open(16);
    fill({test::song("a"), test::song("b"), test::song("c"), test::song("d")});
    list->setRowChecked(0, true);
    list->setRowChecked(2, true);
    const auto data = list->beginDrag();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(dropAt(*data, 390), Qt::MoveAction);
    list->endDrag();
    EXPECT_EQ(titles(), (std::vector<std::string>{"b", "d", "a", "c"}));
    EXPECT_EQ(owner.moves, 1);
    EXPECT_EQ(list->cellText(0, column(col::kNumber)), "1");
    EXPECT_EQ(list->cellText(3, column(col::kNumber)), "4");
    EXPECT_TRUE(list->isChecked(2) && list->isChecked(3)) << "moved rows keep their state";

    // Dropped on a row above: the rows go in before it.
    list->uncheckAll();
    list->setRowChecked(3, true);
    const auto again = list->beginDrag();
    dropAt(*again, list->cellRect(0, column(col::kSongName)).center().y());
    list->endDrag();
    EXPECT_EQ(titles(), (std::vector<std::string>{"c", "b", "d", "a"}));
}

TEST_F(SongDragDropTest, FolderRowsDroppedBackOnTheFolderPageChangeNothing) {
    open(6);
    fill({local("x.mp3", 0), local("y.mp3", 0)});
    list->setRowChecked(1, true);
    const auto data = list->beginDrag();
    EXPECT_EQ(dropAt(*data, 2), Qt::IgnoreAction);
    list->endDrag();
    EXPECT_EQ(titles(), (std::vector<std::string>{"x.mp3", "y.mp3"}));
    EXPECT_EQ(owner.moves, 0);
    EXPECT_TRUE(owner.dropped.empty());
    // Songs of another list are copied into the folder.
    std::vector<SongRecord> songs = {local("z.mp3", 0)};
    const auto other = SongDragData::make(DragFormats::kPlayList, {&songs[0]}, &songs, 1);
    EXPECT_EQ(dropAt(*other, 2), Qt::CopyAction);
    ASSERT_EQ(owner.dropped.size(), 1U);
    EXPECT_STREQ(owner.dropped[0].Local_Path, "/music/z.mp3");
}

TEST_F(SongDragDropTest, MiniListRowsDroppedOnTheMiniListAskItsWindowToMoveThem) {
    open(1, SongListView::MiniList);
    fill({test::song("a"), test::song("b"), test::song("c")});
    sink.take();
    list->setRowChecked(2, true);
    const auto data = list->beginDrag();
    ASSERT_NE(data, nullptr);
    // Its own format, and the now-playing page's for the songs it carries.
    EXPECT_EQ(formatsOf(*data), (std::vector<std::string>{std::string(DragFormats::kAlbum),
                                                          std::string(DragFormats::kMiniList)}));
    EXPECT_EQ(dropAt(*data, 2), Qt::MoveAction);
    list->endDrag();
    const std::vector<Received> expected = {{msg::kMoveRows, 0, 0}};
    EXPECT_EQ(sink.take(), expected);
    EXPECT_EQ(list->dropRow(), 0);
    list->moveDraggedRows();
    EXPECT_EQ(titles(), (std::vector<std::string>{"c", "a", "b"}));

    // The panel's now-playing page does not take the mini list's rows.
    open(1);
    fill({test::song("a")});
    EXPECT_EQ(dropAt(*data, 2), Qt::IgnoreAction);
    EXPECT_TRUE(owner.dropped.empty());
}

} // namespace
} // namespace kesto
