#include "listview/song_list_view.h"

#include "columns/column_kind.h"
#include "columns/list_command_ids.h"
#include "columns/page_rules.h"
#include "listview/list_control_owner.h"
#include "listview/list_menus.h"
#include "listview/song_list_accessible.h"
#include "songs/panel_messages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

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
    switch (key) {
    case Qt::Key_X:
        return listcmd::kCut;
    case Qt::Key_C:
        return listcmd::kCopy;
    case Qt::Key_V:
        return listcmd::kPaste;
    default:
        return 0;
    }
}

} // namespace

// ---- keyboard ----

void SongListView::setFocusedRow(int row) {
    if (!rows_.valid(row) || row == focusedRow_)
        return;
    focusedRow_ = row;
    ensureRowVisible(row);
    viewport()->update();
    SongListAccessible::focusMoved(this, row);
}

void SongListView::ensureRowVisible(int row) {
    const int top = row * kRowHeight;
    const int height = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top);
    else if (top + kRowHeight > bar->value() + height)
        bar->setValue(top + kRowHeight - height);
}

int SongListView::rowsPerPage() const {
    return std::max(1, viewport()->height() / kRowHeight);
}

int SongListView::checkColumn() const {
    for (int column = 0; column < columnCount(); ++column)
        if (columnKind(column) == col::kCheck)
            return column;
    return -1;
}

int SongListView::titleColumn() const {
    for (int column = 0; column < columnCount(); ++column)
        if (columnKind(column) == col::kSongName)
            return column;
    return -1;
}

int SongListView::targetRowOf(int key) const {
    const int from = focusedRow_;
    switch (key) {
    case Qt::Key_Up:
        return from < 0 ? 0 : from - 1;
    case Qt::Key_Down:
        return from + 1;
    case Qt::Key_PageUp:
        return std::max(0, from - rowsPerPage());
    case Qt::Key_PageDown:
        return std::min(rowCount() - 1, std::max(0, from) + rowsPerPage());
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return rowCount() - 1;
    default:
        return -1;
    }
}

void SongListView::moveFocusByKey(int key, Qt::KeyboardModifiers modifiers) {
    const int row = targetRowOf(key);
    if (!rows_.valid(row))
        return;
    if ((modifiers & Qt::ShiftModifier) != 0) {
        // Extends the ticked range from the anchor, as a click with Shift does.
        if (anchorRow_ < 0)
            anchorRow_ = focusedRow_ >= 0 ? focusedRow_ : row;
        selectByClick(row, Qt::ShiftModifier);
        focusedRow_ = -1; // so that setFocusedRow tells the screen reader
    }
    setFocusedRow(row);
    viewport()->update();
}

void SongListView::toggleRow(int row) {
    const RowObject* object = rows_.at(row);
    if (object == nullptr || object->record() == nullptr)
        return;
    const int column = checkColumn();
    if (column >= 0 && cells_.has(*object, column))
        return toggleCheck(row, column);
    // A page without check boxes: the row's selection alone, mirrored as a tick would be.
    const bool checked = !isChecked(row);
    rows_.setSelected(row, checked);
    if (owner_.pageKind() == 1 || isMiniList())
        owner_.checkChanged(row, checked);
    afterCheckChange();
    viewport()->update();
    SongListAccessible::checkChanged(this, row);
}

void SongListView::toggleByKey() {
    std::vector<int> targets;
    if (rows_.valid(focusedRow_))
        targets.push_back(focusedRow_);
    else
        targets = rows_.selectedRows();
    for (int row : targets)
        toggleRow(row);
    anchorRow_ = focusedRow_;
}

void SongListView::listenByKey() {
    if (!rows_.valid(focusedRow_) || rows_.at(focusedRow_)->record() == nullptr)
        return;
    if (PageRules::doubleClickPlays(owner_.pageKind(), isPlainList()))
        notify(isMiniList() ? msg::kMiniPlayRow : msg::kRowListen, 0, focusedRow_, true);
}

bool SongListView::deleteByKey() {
    if (rows_.selectedRows().empty())
        return false;
    const std::string_view menu = PageRules::contextMenu(owner_.pageKind(), true, isMiniList());
    for (int command : kDeleteCommands)
        if (ListMenus::offers(menu, command) && owner_.commandEnabled(command)) {
            runCommand(command);
            return true;
        }
    return false;
}

void SongListView::openMenuByKey() {
    const QRect row = rows_.valid(focusedRow_)
                          ? QRect(0, focusedRow_ * kRowHeight - verticalScrollBar()->value(),
                                  viewport()->width(), kRowHeight)
                          : QRect();
    const QPoint local = row.isValid() ? row.center() : QPoint(viewport()->width() / 2, 0);
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
    const int start = typed_.isEmpty() ? focusedRow_ + 1 : std::max(0, focusedRow_);
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
        moveFocusByKey(key, modifiers);
    } else if (key == Qt::Key_Space && (modifiers & Qt::ControlModifier) == 0) {
        toggleByKey();
    } else if (key == Qt::Key_A && modifiers == Qt::ControlModifier) {
        checkAll();
    } else if (const int command = clipboardCommand(key, modifiers, isMiniList()); command != 0) {
        if (owner_.commandEnabled(command))
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
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void SongListView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (focusedRow_ < 0 && rowCount() > 0)
        focusedRow_ = rows_.selectedRows().empty() ? 0 : rows_.selectedRows().front();
    viewport()->update();
    if (focusedRow_ >= 0)
        SongListAccessible::focusMoved(this, focusedRow_);
}

void SongListView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace kesto
