// What the panel never drives on the list: the header's column menu and its persistence, clicks
// on grey rows and on plain pages, the mini list's own messages, drop-down cells.
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/list_command_ids.h"
#include "columns/page_rules.h"
#include "columns/registry_column_settings.h"
#include "include/kesto/window_message.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"
#include "platform/qt_message_port.h"
#include "protocol/protocol_doubles.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "songs/panel_messages.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace kesto {
namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "listview_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's own globals are gone by the time static destructors would run it.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

using Received = std::tuple<unsigned, std::intptr_t, std::intptr_t>;

// The list's parent window: records the numbered messages it receives.
struct MessageSink : QWidget {
    std::vector<Received> received;
    std::vector<Received> take() {
        QCoreApplication::sendPostedEvents();
        return std::exchange(received, {});
    }
    bool event(QEvent* event) override {
        if (event->type() != WindowMessageEvent::eventType())
            return QWidget::event(event);
        const auto* m = static_cast<WindowMessageEvent*>(event);
        received.emplace_back(m->message(), m->wParam(), m->lParam());
        return true;
    }
};

struct ListControlTest : ::testing::Test {
    void open(int pageKind, int flags = SongListView::NoFlags) {
        list = std::make_unique<SongListView>(QtMessagePort::instance(), &sink, flags, &sink);
        list->setMessageBox(&box);
        QObject::connect(list.get(), &SongListView::columnsChanged, [this] { ++columnChanges; });
        list->setColumnStore(&store);
        if (flags == SongListView::MiniList)
            list->setColumns(DefaultColumnSets::miniList(), pageKind);
        else
            list->applyPageKind(pageKind);
        list->resize(1000, 500);
        sink.show();
    }
    void fill(std::initializer_list<const char*> titles, int serviceable = 1) {
        for (const char* title : titles) {
            auto song = std::make_unique<Song>();
            song->setText(SongField::Song_Name, title);
            song->setText(SongField::Artist_Name, "Artist");
            song->Serviceable = serviceable;
            list->insertRow(-1, std::move(song));
        }
    }
    QPoint at(int row, int column, int dx = -1) const {
        const QRect cell = list->cellRect(row, column);
        return dx < 0 ? cell.center() : QPoint(cell.left() + dx, cell.center().y());
    }
    void click(int row, int column, int dx = -1) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(row, column, dx));
    }

    QApplication& application = app(); // before any widget
    MessageSink sink;
    test::ScriptedBox box;
    int columnChanges = 0;
    test::TempFolder folder;
    RegistryKey key{std::make_shared<RegistryFile>(folder / "registry.reg")};
    RegistryColumnSettings settings{key};
    ColumnSetStore store{settings};
    std::unique_ptr<SongListView> list;
};

TEST_F(ListControlTest, CheckColumnHeaderFollowsTheTicksAndTicksOrUnticksAll) {
    open(1);
    list->headerClicked(1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Unchecked) << "an empty list has nothing to check";
    fill({"a", "b"});
    click(0, 1);
    click(1, 1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Checked);
    click(1, 1);
    EXPECT_EQ(list->header()->image(1), SongListHeader::Unchecked);
    list->headerClicked(1);
    EXPECT_EQ(list->checkedCount(1), 2);
    list->headerClicked(1);
    EXPECT_TRUE(list->selectedRows().empty());
}

TEST_F(ListControlTest, HiddenColumnSurvivesPageSwitch) {
    open(1);
    std::unique_ptr<QMenu> menu(list->createHeaderMenu(4));
    QAction* artist = nullptr;
    for (QAction* action : menu->actions()) {
        const int column = action->data().toInt() - listcmd::kShowColumnBase;
        artist = column == 6 ? action : artist;
        EXPECT_FALSE(column >= 0 && column < 3) << "the icon, check and number columns are never offered";
    }
    ASSERT_NE(artist, nullptr);
    EXPECT_TRUE(artist->isChecked());
    artist->trigger();
    EXPECT_TRUE(list->isColumnHidden(6));
    EXPECT_EQ(columnChanges, 1);

    list->applyPageKind(2);
    EXPECT_FALSE(list->isColumnHidden(6));
    list->applyPageKind(1);
    EXPECT_TRUE(list->isColumnHidden(6));
    std::string show;
    ASSERT_TRUE(settings.read(1, std::to_string(col::kArtist), "Show", show));
    EXPECT_EQ(show, "1");
    EXPECT_FALSE(settings.read(1, std::to_string(col::kArtist), "Width", show));
}

TEST_F(ListControlTest, StoredNumberWidthOf30ShowsAs55) {
    store.saveSet(1, DefaultColumnSets::forPageKind(1), false);
    settings.write(1, col::kNumber, "Width", "30");
    open(1);
    EXPECT_EQ(list->columnWidth(2), 55);
}

TEST_F(ListControlTest, DoubleClickDoesNotPlayOnPlainOrDevicePages) {
    open(28);
    fill({"x"});
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at(0, 1));
    for (const Received& message : sink.take())
        EXPECT_NE(std::get<0>(message), msg::kRowListen);
}

TEST_F(ListControlTest, GreyItemClicksShowTheNoticeOnPurchasePages) {
    for (int page : {7, 8, 9}) {
        open(page);
        fill({"grey"}, 0);
        box.shown.clear();
        click(0, 0, 15);
        if (page == 9) {
            EXPECT_TRUE(box.shown.empty());
            continue;
        }
        ASSERT_EQ(box.shown.size(), 1u) << page;
        EXPECT_EQ(box.shown[0].text, PageRules::greyItemNotice(page));
        EXPECT_EQ(box.shown[0].caption, "Kesto Player");
        EXPECT_EQ(box.shown[0].style, mb::kInformationOk);
        click(0, 0, 2); // outside the state icon
        EXPECT_EQ(box.shown.size(), 1u);
    }
}

TEST_F(ListControlTest, MiniListSendsItsOwnMessagesAndHasThinScrollBars) {
    open(1, SongListView::MiniList);
    EXPECT_EQ(list->verticalScrollBar()->sizeHint().width(), 10);
    EXPECT_EQ(list->horizontalScrollBar()->sizeHint().height(), 10);
    fill({"b", "a"});
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
    click(0, 4, list->columnWidth(4) - 4);
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
