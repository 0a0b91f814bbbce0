#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/list_command_ids.h"
#include "columns/memory_column_settings.h"
#include "columns/page_rules.h"
#include "list_test_support.h"
#include "listview/skin_scroll_bar.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"
#include "platform/qt_message_port.h"
#include "songs/panel_messages.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::MessageSink;
using test::Received;

struct ListControlTest : ::testing::Test {
    void open(int pageKind, int flags = SongListView::NoFlags) {
        owner.page = pageKind;
        list = std::make_unique<SongListView>(QtMessagePort::instance(), &sink, flags, &sink);
        owner.attach(*list);
        list->setColumnStore(&store);
        list->applyPageKind(pageKind);
        sink.resize(1000, 500);
        list->resize(1000, 500);
        sink.show();
    }
    void fill(std::initializer_list<const char*> titles) {
        for (const char* title : titles)
            list->insertRow(-1, std::make_unique<Song>(test::song(title)));
    }
    QPoint at(int row, int column, int dx = -1) const {
        const QRect cell = list->cellRect(row, column);
        return dx < 0 ? cell.center() : QPoint(cell.left() + dx, cell.center().y());
    }
    void click(int row, int column, int dx = -1) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(row, column, dx));
    }
    std::vector<QString> titles() const {
        std::vector<QString> out;
        for (int row = 0; row < list->rowCount(); ++row)
            out.push_back(list->cellText(row, 4));
        return out;
    }

    QApplication& application = test::app(); // before any widget
    MessageSink sink;
    test::TestOwner owner;
    test::MemoryColumnSettings settings;
    ColumnSetStore store{settings};
    std::unique_ptr<SongListView> list;
};

TEST_F(ListControlTest, CheckColumnHeaderOnEmptyAndFullLists) {
    open(1);
    ASSERT_EQ(list->header()->image(1), SongListHeader::Unchecked);
    list->headerClicked(1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Unchecked) << "an empty list has nothing to check";

    fill({"a", "b", "c"});
    click(0, 1);
    click(1, 1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Unchecked);
    click(2, 1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Checked);
    EXPECT_EQ(list->selectedRows(), (std::vector<int>{0, 1, 2}));
    const std::vector<Received> expected = {
        {msg::kToListControl, 0, 1}, {msg::kToListControl, 1, 1}, {msg::kToListControl, 2, 1}};
    EXPECT_EQ(sink.take(), expected);

    click(1, 1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Unchecked);
    EXPECT_FALSE(list->isChecked(1));
    list->headerClicked(1);
    EXPECT_EQ(list->checkedCount(1), 3);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Checked);
    list->headerClicked(1);
    EXPECT_EQ(list->checkedCount(1), 0);
    EXPECT_TRUE(list->selectedRows().empty());
}

TEST_F(ListControlTest, HiddenColumnSurvivesPageSwitch) {
    open(1);
    std::unique_ptr<QMenu> menu(list->createHeaderMenu(4));
    QAction* artist = nullptr;
    for (QAction* action : menu->actions())
        if (action->data().toInt() == listcmd::kShowColumnBase + 6)
            artist = action;
    ASSERT_NE(artist, nullptr);
    EXPECT_TRUE(artist->isChecked());
    for (QAction* action : menu->actions()) // the icon, check and number columns are never offered
        EXPECT_FALSE(action->data().toInt() >= listcmd::kShowColumnBase &&
                     action->data().toInt() < listcmd::kShowColumnBase + 3);
    artist->trigger();
    EXPECT_TRUE(list->isColumnHidden(6));
    EXPECT_EQ(owner.columnChanges, 1);

    owner.page = 2;
    list->applyPageKind(2);
    EXPECT_FALSE(list->isColumnHidden(6));
    owner.page = 1;
    list->applyPageKind(1);
    EXPECT_TRUE(list->isColumnHidden(6));
    const auto* stored = settings.find(1, std::to_string(col::kArtist));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->at("Show"), "1");
    EXPECT_FALSE(stored->contains("Width"));
}

TEST_F(ListControlTest, StoredNumberWidthOf30ShowsAs55) {
    store.saveSet(1, DefaultColumnSets::forPageKind(1), false);
    settings.find(1, "3")->at("Width") = "30";
    open(1);
    EXPECT_EQ(list->columnWidth(2), 55);
}

TEST_F(ListControlTest, DoubleClickDoesNotPlayOnPlainOrDevicePages) {
    open(28);
    list->insertRow(-1, std::make_unique<Song>(test::song("x")));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at(0, 1));
    const auto got = sink.take();
    EXPECT_EQ(std::count_if(got.begin(), got.end(), [](auto& m) { return m.message == msg::kRowListen; }), 0);
}

TEST_F(ListControlTest, GreyItemClicksShowTheNoticeOnPurchasePages) {
    for (int page : {7, 8, 9}) {
        open(page);
        Song r = test::song("grey");
        r.Serviceable = 0;
        list->insertRow(-1, std::make_unique<Song>(r));
        owner.box.shown.clear();
        click(0, 0, 15);
        if (page == 9) {
            EXPECT_TRUE(owner.box.shown.empty());
            continue;
        }
        ASSERT_EQ(owner.box.shown.size(), 1u) << page;
        EXPECT_EQ(owner.box.shown[0].text, PageRules::greyItemNotice(page));
        EXPECT_EQ(owner.box.shown[0].caption, "Kesto Player");
        EXPECT_EQ(owner.box.shown[0].style, mb::kInformationOk);
        click(0, 0, 2); // outside the state icon
        EXPECT_EQ(owner.box.shown.size(), 1u);
    }
}

TEST_F(ListControlTest, MiniListSendsItsOwnMessagesAndHasThinScrollBars) {
    owner.page = 1;
    list = std::make_unique<SongListView>(QtMessagePort::instance(), &sink, SongListView::MiniList, &sink);
    list->setColumns(DefaultColumnSets::miniList(), 1);
    list->resize(350, 200);
    sink.show();
    EXPECT_EQ(list->skinScrollBar(Qt::Vertical)->thickness(), SkinScrollBar::kMiniThickness);
    EXPECT_EQ(list->skinScrollBar(Qt::Horizontal)->controlId(), SkinScrollBar::kHorizontalId);
    fill({"b", "a"});
    EXPECT_EQ(list->cellText(1, 2), QString("2.a - Artist"));
    list->sortByColumn(2);
    EXPECT_EQ(list->cellText(0, 2), QString("1.a - Artist"));
    // Sent, so received before any event processing.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at(1, 5));
    EXPECT_NE(std::find(sink.received.begin(), sink.received.end(), Received{msg::kMiniPlayRow, 0, 1}),
              sink.received.end());
}

TEST_F(ListControlTest, DropDownChoiceSends1104) {
    open(23);
    fill({"a"});
    list->setDropDown(0, 4, {"128 kbps", "192 kbps"});
    sink.take();
    const QRect cell = list->cellRect(0, 4);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 4, cell.center().y()));
    auto* entries = list->viewport()->findChild<QComboBox*>();
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(entries->count(), 2);
    entries->setCurrentIndex(1);
    emit entries->activated(1);
    EXPECT_EQ(sink.received, (std::vector<Received>{{msg::kDropDownCell, 0, 1}}));
    EXPECT_EQ(list->cellText(0, 4), QString("192 kbps"));
}

} // namespace
} // namespace kesto
