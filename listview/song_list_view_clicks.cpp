#include "listview/song_list_view.h"

#include "columns/click_table.h"
#include "columns/page_rules.h"
#include "include/kesto/window_message.h"
#include "listview/cell_delegate.h"
#include "listview/song_table_model.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "songs/panel_messages.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace kesto {

// ---- mouse ----

SongListView::CellHit SongListView::hitTest(const QPoint& pos) const {
    const int row = rowAt(pos.y());
    const int column = columnAt(pos.x());
    if (record(row) == nullptr)
        return {};
    return column < 0 ? CellHit{row} : CellHit{row, column, pos.x() - columnViewportPosition(column)};
}

std::optional<ClickKind> SongListView::clickAt(const CellHit& hit) const {
    const std::optional<RowCell> cell = this->cell(hit.row, hit.column);
    if (!cell || cell->clickFlags == 0)
        return std::nullopt;
    const int width = columnWidth(hit.column);
    const int textWidth = fontMetrics().horizontalAdvance(cellText(hit.row, hit.column));
    for (ClickKind kind : ClickTable::kOrder)
        if ((cell->clickFlags & ClickTable::bit(kind)) != 0 &&
            ClickTable::inHotArea(ClickTable::action(kind, isMiniList()).area, hit.x, width, textWidth))
            return kind;
    return std::nullopt;
}

void SongListView::notify(unsigned message, RowWords words, bool miniRoute) {
    if (miniRoute && isMiniList())
        port_.send(target_, message, words.first, words.second);
    else
        port_.post(target_, message, words.first, words.second);
}

void SongListView::dispatchClick(ClickKind kind, const CellHit& hit) {
    const ClickAction action = ClickTable::action(kind, isMiniList());
    if (kind == ClickKind::GreyState) {
        const std::string& notice = PageRules::greyItemNotice(pageKind());
        if (!notice.empty() && box_ != nullptr)
            box_->show(notice, kMessageBoxCaption, mb::kInformationOk);
        return;
    }
    if (action.delayed) {
        pendingPhoneDeco_ = hit;
        phoneDecoTimer_.start(kPhoneDecoDelayMs, this);
        return;
    }
    notify(action.message, action.words(hit.row, hit.column), true);
}

void SongListView::selectByClick(int row, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::ControlModifier) != 0) {
        model_->setChecked(row, !isChecked(row));
    } else if ((modifiers & Qt::ShiftModifier) != 0 && anchorRow_ >= 0) {
        const auto [low, high] = std::minmax(anchorRow_, row);
        model_->checkOnly(low, high);
    } else {
        model_->checkOnly(row, row);
        anchorRow_ = row;
    }
    setFocusedRow(row);
}

void SongListView::leftPress(const CellHit& hit, Qt::KeyboardModifiers modifiers) {
    const std::optional<RowCell> cell = this->cell(hit.row, hit.column);
    if (cell && cell->check != RowCell::kNoCheck)
        return toggleCheck(hit.row, hit.column);
    if (cell && cell->dropDown && hit.x >= columnWidth(hit.column) - CellDelegate::kDropDownWidth)
        return (void)edit(model_->index(hit.row, hit.column)); // the delegate's list of entries
    // Several selected rows stay selected until the release, so that a drag takes them all.
    if (modifiers == Qt::NoModifier && isChecked(hit.row) && model_->checkedCount() > 1)
        deferredSelect_ = hit.row;
    else
        selectByClick(hit.row, modifiers);
    if (const auto kind = clickAt(hit))
        dispatchClick(*kind, hit);
}

void SongListView::mousePressEvent(QMouseEvent* event) {
    const CellHit hit = hitTest(event->position().toPoint());
    lastClickedColumn_ = hit.column;
    if (event->button() == Qt::RightButton) {
        if (hit.row >= 0 && !isChecked(hit.row)) {
            model_->checkOnly(hit.row, hit.row); // everything else is deselected and unchecked first
            setFocusedRow(hit.row);
        }
        return;
    }
    deferredSelect_ = -1;
    if (event->button() == Qt::LeftButton && hit.row >= 0 && hit.column >= 0)
        leftPress(hit, event->modifiers());
    // A drag may start from a row, not from an opened drop-down cell.
    const bool rowPress = event->button() == Qt::LeftButton && hit.row >= 0 && state() != EditingState;
    dragPress_ = rowPress ? std::optional(event->position().toPoint()) : std::nullopt;
}

void SongListView::mouseReleaseEvent(QMouseEvent* event) {
    dragPress_.reset();
    if (deferredSelect_ >= 0 && event->button() == Qt::LeftButton)
        selectByClick(std::exchange(deferredSelect_, -1), Qt::NoModifier);
}

void SongListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const CellHit hit = hitTest(event->position().toPoint());
    if (hit.row < 0)
        return;
    const auto kind = hit.column >= 0 ? clickAt(hit) : std::nullopt;
    // The play mark listened on the first click; a second listen would start the song again.
    if (kind == ClickKind::PhoneDeco || kind == ClickKind::ListenIcon)
        return;
    if (kind == ClickKind::Lyrics) {
        notify(isMiniList() ? msg::kMiniLyrics : msg::kRowLyrics, RowWords::cell(hit.row, hit.column), true);
        return;
    }
    if (PageRules::doubleClickPlays(pageKind(), isPlainList()))
        notify(isMiniList() ? msg::kMiniPlayRow : msg::kRowListen, RowWords::rowOnly(hit.row), true);
}

void SongListView::mouseMoveEvent(QMouseEvent* event) {
    if (dragFromPress(event))
        return;
    const CellHit hit = hitTest(event->position().toPoint());
    const auto kind = hit.row >= 0 && hit.column >= 0 ? clickAt(hit) : std::nullopt;
    const bool hand = kind && ClickTable::action(*kind, isMiniList()).handCursor;
    viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SongListView::contextMenuEvent(QContextMenuEvent* event) {
    bool rowHit = rowAt(viewport()->mapFrom(this, event->pos()).y()) >= 0;
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The menu key acts as a right click on the focused row.
        const int focused = focusedRow();
        rowHit = record(focused) != nullptr;
        if (rowHit) {
            if (!isChecked(focused))
                model_->checkOnly(focused, focused);
            const QRect cell = cellRect(focused, titleColumn());
            at = viewport()->mapToGlobal(cell.isValid() ? cell.center()
                                                        : QPoint(0, rowViewportPosition(focused)));
        }
    }
    std::unique_ptr<QMenu> menu(createContextMenu(rowHit));
    if (menu)
        menu->exec(at);
}

// ---- timers and messages ----

void SongListView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == phoneDecoTimer_.timerId()) {
        phoneDecoTimer_.stop();
        const ClickAction action = ClickTable::action(ClickKind::PhoneDeco, isMiniList());
        notify(action.message, action.words(pendingPhoneDeco_.row, pendingPhoneDeco_.column), true);
        return;
    }
    QTableView::timerEvent(event);
}

bool SongListView::event(QEvent* event) {
    if (event->type() == WindowMessageEvent::eventType()) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        if (message->message() == msg::kInfoPage) {
            port_.post(target_, message->message(), message->wParam(), message->lParam());
            return true;
        }
        if (message->message() == msg::kMoveRows) {
            moveDraggedRows();
            return true;
        }
    }
    return QTableView::event(event);
}

} // namespace kesto
