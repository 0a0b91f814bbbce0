#include "listview/song_list_view.h"

#include "columns/column_kind.h"
#include "columns/list_command_ids.h"
#include "columns/list_menu_items.h"
#include "columns/page_rules.h"
#include "listview/song_list_header.h"
#include "listview/song_table_model.h"
#include "songs/panel_messages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

namespace kesto {

namespace {

// Typed letters that follow each other within this time form one prefix.
constexpr qint64 kTypeAheadPauseMs = 1000;

// The row menu items that delete the chosen rows, in the order they are tried.
constexpr int kDeleteCommands[] = {listcmd::kDelete, listcmd::kDelete2, listcmd::kDeviceDelete,
                                   listcmd::kDeviceDelete2};

bool isNavigationKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

// Ctrl+X, Ctrl+C and Ctrl+V: the row menus' cut, copy and paste; 0 for any other key, and in
// the mini list, which has none.
int clipboardCommand(int key, Qt::KeyboardModifiers modifiers, bool miniList) {
    if (miniList || modifiers != Qt::ControlModifier)
        return 0;
    return key == Qt::Key_X   ? listcmd::kCut
           : key == Qt::Key_C ? listcmd::kCopy
           : key == Qt::Key_V ? listcmd::kPaste
                              : 0;
}

} // namespace

// ---- keyboard ----

QItemSelectionModel::SelectionFlags SongListView::selectionCommand(const QModelIndex&, const QEvent*) const {
    return QItemSelectionModel::NoUpdate; // the ticks alone select
}

int SongListView::focusColumn() const {
    // The cell that carries a row's focus: its song name, else its first visible cell.
    const int title = titleColumn();
    return title >= 0 && !isColumnHidden(title) ? title : std::max(header_->logicalIndex(0), 0);
}

void SongListView::setFocusedRow(int row) {
    if (model_->valid(row))
        selectionModel()->setCurrentIndex(model_->index(row, focusColumn()), QItemSelectionModel::NoUpdate);
}

QModelIndex SongListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and last rows; the focus stays on the row's focus cell.
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    const QModelIndex to = QTableView::moveCursor(action, modifiers);
    return to.isValid() ? model_->index(to.row(), focusColumn()) : to;
}

void SongListView::toggleByKey() {
    const int focused = focusedRow();
    for (int row : focused >= 0 ? std::vector<int>{focused} : selectedRows())
        if (record(row) != nullptr)
            toggleCheck(row, checkColumn());
    anchorRow_ = focusedRow();
}

void SongListView::listenByKey() {
    if (record(focusedRow()) != nullptr && PageRules::doubleClickPlays(pageKind(), isPlainList()))
        notify(isMiniList() ? msg::kMiniPlayRow : msg::kRowListen, RowWords::rowOnly(focusedRow()), true);
}

bool SongListView::deleteByKey() {
    if (model_->checkedCount() == 0)
        return false;
    const std::string_view menu = PageRules::contextMenu(pageKind(), true, isMiniList());
    for (int command : kDeleteCommands)
        if (ListMenuItems::offers(menu, command) && commandEnabled(command)) {
            runCommand(command);
            return true;
        }
    return false;
}

void SongListView::openMenuByKey() {
    // The menu opens on the focused row (contextMenuEvent), else at the top of the list.
    const int focused = focusedRow();
    const QPoint local(viewport()->width() / 2,
                       focused >= 0 ? rowViewportPosition(focused) + kRowHeight / 2 : 0);
    const QPoint pos = viewport()->mapTo(this, local);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, pos, mapToGlobal(pos));
    QApplication::sendEvent(this, &event);
}

bool SongListView::typeAhead(const QString& text) {
    const int column = titleColumn();
    if (column < 0 || rowCount() == 0)
        return false;
    if (!typedAt_.isValid() || typedAt_.elapsed() > kTypeAheadPauseMs)
        typed_.clear();
    typedAt_.start();
    // A new prefix looks past the focused row; a longer one may stay on it.
    const int start = typed_.isEmpty() ? focusedRow() + 1 : std::max(0, focusedRow());
    typed_ += text;
    for (int i = 0; i < rowCount(); ++i) {
        const int row = (start + i) % rowCount();
        if (titleOf(row, column).startsWith(typed_, Qt::CaseInsensitive)) {
            setFocusedRow(row);
            return true;
        }
    }
    return true;
}

QString SongListView::titleOf(int row, int column) const {
    QString title = cellText(row, column).trimmed();
    if (isMiniList()) { // "12.Title"
        const qsizetype dot = title.indexOf(QLatin1Char('.'));
        if (dot > 0)
            title = title.mid(dot + 1);
    }
    return title;
}

void SongListView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (isNavigationKey(key)) {
        const int from = focusedRow();
        QTableView::keyPressEvent(event); // moves the focus alone
        if ((modifiers & Qt::ShiftModifier) != 0 && focusedRow() >= 0) {
            // Extends the ticked range from the anchor, as a click with Shift does.
            anchorRow_ = anchorRow_ >= 0 ? anchorRow_ : from >= 0 ? from : focusedRow();
            selectByClick(focusedRow(), Qt::ShiftModifier);
        }
    } else if (key == Qt::Key_Space && (modifiers & Qt::ControlModifier) == 0) {
        toggleByKey();
    } else if (key == Qt::Key_A && modifiers == Qt::ControlModifier) {
        checkAll();
    } else if (const int command = clipboardCommand(key, modifiers, isMiniList()); command != 0) {
        if (commandEnabled(command))
            runCommand(command);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        listenByKey();
    } else if (key == Qt::Key_Delete) {
        if (!deleteByKey())
            event->ignore();
    } else if ((key == Qt::Key_Menu && QGuiApplication::platformName() != QLatin1String("xcb")) ||
               (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        // The X11 platform turns the menu key into a context-menu event by itself.
        openMenuByKey();
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
               (modifiers & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        typeAhead(event->text());
    } else {
        QTableView::keyPressEvent(event);
    }
}

void SongListView::focusInEvent(QFocusEvent* event) {
    if (focusedRow() < 0 && rowCount() > 0)
        setFocusedRow(model_->checkedCount() == 0 ? 0 : selectedRows().front());
    QTableView::focusInEvent(event);
}

} // namespace kesto
