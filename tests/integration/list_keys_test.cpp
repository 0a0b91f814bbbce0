// The song list from the keyboard and through a screen reader's eyes, in the real panel of the
// loaded module: keys take the same roads as clicks (the tick posted to the panel, the song
// played by the host, the delete message, the row menu), the accessible table reads the rows
// the control draws, and a cut text shows its whole self in a tooltip.
#include "tests/integration/panel_entries_fixture.h"
#include "tests/support/shown_text.h"

#include "columns/column_kind.h"
#include "listview/song_list_header.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QHelpEvent>
#include <QTextDocumentFragment>
#include <QToolTip>

namespace kesto::test {
namespace {

class ListKeysTest : public PanelEntriesTest {
protected:
    void SetUp() override {
        PanelEntriesTest::SetUp();
        host.show(2, kChartMenu, kFiftyRowChart);
        ASSERT_GT(list().rowCount(), 10);
    }

    QWidget* keys() { return &list(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keys(), key, modifiers);
    }

    void type(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(keys(), &event);
        }
    }

    // Home, then Down until the row is focused.
    void focusRow(int row) {
        press(Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            press(Qt::Key_Down);
        ASSERT_EQ(list().focusedRow(), row);
    }
};

TEST_F(ListKeysTest, ArrowsMoveTheFocusAndSpaceTicksLikeTheCheckBox) {
    focusRow(3);
    EXPECT_TRUE(list().selectedRows().empty()) << "moving the focus ticks nothing";
    press(Qt::Key_Space);
    EXPECT_TRUE(list().isChecked(3));
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kToListControl) == 1; }, 5s));
    // A click on another row's check box gives the same message.
    const QRect box = list().cellRect(5, columnOf(col::kCheck));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, box.center());
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kToListControl) == 2; }, 5s));
    EXPECT_EQ(list().selectedRows(), (std::vector<int>{3, 5}));
    press(Qt::Key_Space); // the focus went with the click to row 5
    EXPECT_EQ(list().selectedRows(), (std::vector<int>{3}));

    press(Qt::Key_End);
    EXPECT_EQ(list().focusedRow(), list().rowCount() - 1);
    press(Qt::Key_PageUp);
    EXPECT_LT(list().focusedRow(), list().rowCount() - 1);
    press(Qt::Key_Home);
    press(Qt::Key_Up); // stays on the first row
    EXPECT_EQ(list().focusedRow(), 0);
}

TEST_F(ListKeysTest, ShiftExtendsAndCtrlATicksEveryRow) {
    focusRow(2);
    press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list().selectedRows(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(list().focusedRow(), 4);
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(static_cast<int>(list().selectedRows().size()), list().rowCount());
    const int check = columnOf(col::kCheck);
    ASSERT_GE(check, 0);
    EXPECT_EQ(list().header()->image(check), SongListHeader::Checked);
}

TEST_F(ListKeysTest, DeletePostsTheDeleteMessageOnlyWhereThePageDeletes) {
    focusRow(1);
    press(Qt::Key_Space);
    press(Qt::Key_Delete); // the chart has no delete
    press(Qt::Key_Return);
    ASSERT_TRUE(hostGot(KESTO_MSG_PLAY_NOW_PLAYING));
    EXPECT_EQ(host.panelLog().count(msg::kDelete), 0);

    host.show(2, kNowPlayingMenu);
    ASSERT_EQ(list().rowCount(), 1);
    focusRow(0);
    press(Qt::Key_Space);
    press(Qt::Key_Delete);
    EXPECT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kDelete) == 1; }, 5s));
}

// Enter listens to the focused row as a double click does.
TEST_F(ListKeysTest, EnterListensAndTheHostWalksTheNowPlayingStoreInThePublicLayout) {
    focusRow(3);
    press(Qt::Key_Return);
    ASSERT_TRUE(hostGot(KESTO_MSG_PLAY_NOW_PLAYING));
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), 1);
    EXPECT_EQ(host.hostLog().of(KESTO_MSG_PLAY_NOW_PLAYING)[0].lParam, 1);
    focusRow(5);
    press(Qt::Key_Return);
    ASSERT_TRUE(hostGot(KESTO_MSG_PLAY_NOW_PLAYING, 2));
    const int songs = host.entry<KestoEntry0>(0)();
    ASSERT_GE(songs, 1);
    StoreReader reader;
    EXPECT_EQ(host.entry<KestoEntry12>(12)(&reader, 5000), songs);
    ASSERT_EQ(static_cast<int>(reader.records.size()), songs);
    EXPECT_STREQ(reader.records.back().Song_ID, list().record(5)->text(SongField::Song_ID));
    EXPECT_GE(reader.current, -1);
    EXPECT_LT(reader.current, songs);
}

TEST_F(ListKeysTest, TypedLettersJumpToTheNextMatchingTitle) {
    const int title = columnOf(col::kSongName);
    ASSERT_GE(title, 0);
    focusRow(0);
    // A prefix that some later row starts with.
    const QString target = list().cellText(7, title).left(2);
    int expected = -1;
    for (int row = 1; row < list().rowCount() && expected < 0; ++row)
        if (list().cellText(row, title).startsWith(target, Qt::CaseInsensitive))
            expected = row;
    type(target);
    EXPECT_EQ(list().focusedRow(), expected);
    EXPECT_TRUE(list().selectedRows().empty());
}

TEST_F(ListKeysTest, MenuKeyOpensTheRowMenuOfTheFocusedRow) {
    int row = 1;
    while (row < 10 && list().record(row)->Has_Lyrics == 0)
        ++row;
    ASSERT_LT(row, 10) << "no song with lyrics in the first rows";
    focusRow(row);
    QStringList items;
    // The menu runs its own loop: read and choose from it once it shows.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QMenu* menu = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<QMenu*>(w); m != nullptr && m->isVisible())
                menu = m;
        if (menu == nullptr)
            return;
        poll.stop();
        for (QAction* action : menu->findChildren<QAction*>())
            if (ListMenus::commandOf(action) != 0)
                items << action->text();
        for (QAction* action : menu->findChildren<QAction*>())
            if (ListMenus::commandOf(action) == listcmd::kLyrics2)
                action->trigger();
        menu->close();
    });
    poll.start();
    press(Qt::Key_Menu);
    poll.stop();
    EXPECT_TRUE(items.contains(QString::fromUtf8("가사 보기"))) << items.join(u',').toStdString();
    EXPECT_EQ(list().selectedRows(), (std::vector<int>{row}));
    const std::string songId = list().record(row)->text(SongField::Song_ID);
    EXPECT_TRUE(PanelHost::processUntil(
        [&] { return host.htmlText().find("song_id=" + songId + "&") != std::string::npos; }, 5s))
        << host.htmlText();
}

TEST_F(ListKeysTest, ScreenReadersReadTheRowsCellsAndTicks) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_FALSE(table->text(QAccessible::Name).isEmpty());
    QAccessibleTableInterface* rows = table->tableInterface();
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->rowCount(), list().rowCount());
    EXPECT_GE(table->childCount(), rows->rowCount() * rows->columnCount());

    const int title = columnOf(col::kSongName);
    int titleCell = -1;
    for (int column = 0; column < rows->columnCount(); ++column)
        if (rows->columnDescription(column) == list().header()->title(title))
            titleCell = column;
    ASSERT_GE(titleCell, 0);
    QAccessibleInterface* cell = rows->cellAt(2, titleCell);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), list().cellText(2, title));
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(table->child(table->indexOfChild(cell))->text(QAccessible::Name),
              cell->text(QAccessible::Name));

    int checkCell = -1;
    for (int column = 0; column < rows->columnCount(); ++column)
        if (rows->cellAt(0, column)->state().checkable)
            checkCell = column;
    ASSERT_GE(checkCell, 0);
    QAccessibleInterface* box = rows->cellAt(2, checkCell);
    EXPECT_FALSE(box->state().checked);
    EXPECT_EQ(box->text(QAccessible::Name), list().cellText(2, title)) << "a tick says whose it is";
    focusRow(2);
    press(Qt::Key_Space);
    EXPECT_TRUE(box->state().checked);
    EXPECT_TRUE(rows->isRowSelected(2));
    // The toggle action takes the click's road too.
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(list().isChecked(2));
    EXPECT_TRUE(PanelHost::processUntil([&] { return host.panelLog().count(msg::kToListControl) == 2; }, 5s));

    host.show(2, kNowPlayingMenu);
    EXPECT_EQ(rows->rowCount(), list().rowCount());
}

TEST_F(ListKeysTest, ACutTextShowsInFullAsTextInItsTooltip) {
    const int title = columnOf(col::kSongName);
    list().record(1)->setText(SongField::Song_Name, "<b>bold</b> & <i>more</i>");
    const QString text = list().cellText(1, title);
    ASSERT_EQ(text, QString("<b>bold</b> & <i>more</i>"));
    auto help = [&] {
        const QPoint at = list().cellRect(1, title).center();
        QHelpEvent event(QEvent::ToolTip, at, list().viewport()->mapToGlobal(at));
        QApplication::sendEvent(list().viewport(), &event);
    };
    list().header()->resizeSection(title, 600);
    help();
    EXPECT_TRUE(QToolTip::text().isEmpty()) << "a whole text needs no tooltip";
    list().header()->resizeSection(title, 12);
    help();
    EXPECT_EQ(shownText(QToolTip::text()), text);
}

TEST_F(ListKeysTest, PanelButtonsAreNamedAndOnTheTabChain) {
    QWidget* bar = host.panelWindow()->findChild<QWidget*>(QStringLiteral("buttonBar"));
    ASSERT_NE(bar, nullptr);
    QWidget* search = bar->findChild<QWidget*>(QStringLiteral("searchBox"));
    ASSERT_NE(search, nullptr);
    std::vector<QWidget*> chain;
    for (QWidget* w = search->nextInFocusChain(); w != search && chain.size() < 500;
         w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) != 0)
            chain.push_back(w);
    const auto onChain = [&](QWidget* w) { return std::find(chain.begin(), chain.end(), w) != chain.end(); };
    int buttons = 0;
    for (QWidget* button : bar->findChildren<QWidget*>()) {
        if (!button->objectName().startsWith(QStringLiteral("button")))
            continue;
        ++buttons;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
        EXPECT_TRUE(onChain(button)) << button->objectName().toStdString();
    }
    EXPECT_GT(buttons, 10);
    EXPECT_TRUE(onChain(&list()));
}

} // namespace
} // namespace kesto::test
