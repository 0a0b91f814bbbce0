#include "listview/song_list_view.h"

#include "columns/cell_formatter.h"
#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/list_command_ids.h"
#include "columns/list_commands.h"
#include "columns/page_rules.h"
#include "columns/sort_rules.h"
#include "include/kesto/panel_api.h"
#include "include/kesto/window_message.h"
#include "listview/list_control_owner.h"
#include "listview/list_menus.h"
#include "listview/row_painter.h"
#include "listview/skin_scroll_bar.h"
#include "listview/song_list_accessible.h"
#include "listview/song_list_header.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "platform/screen_text.h"
#include "songs/panel_messages.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace kesto {

// ---- mouse ----

SongListView::CellHit SongListView::hitTest(const QPoint& pos) const {
    CellHit hit;
    hit.row = rowAt(pos.y());
    if (hit.row < 0 || rows_.at(hit.row)->record() == nullptr)
        return {};
    hit.column = columnAt(pos.x());
    if (hit.column < 0 || hit.column >= columnCount())
        hit.column = -1;
    else
        hit.x = pos.x() - header_->sectionViewportPosition(hit.column);
    return hit;
}

std::optional<ClickKind> SongListView::clickAt(const CellHit& hit) const {
    const std::optional<RowCell> cell = this->cell(hit.row, hit.column);
    if (!cell || cell->clickFlags == 0)
        return std::nullopt;
    const int width = header_->sectionSize(hit.column);
    const int textWidth = QFontMetrics(font_).horizontalAdvance(RowCells::onScreen(cell->text));
    for (ClickKind kind : ClickTable::kOrder)
        if ((cell->clickFlags & ClickTable::bit(kind)) != 0 &&
            ClickTable::inHotArea(ClickTable::action(kind, isMiniList()).area, hit.x, width, textWidth))
            return kind;
    return std::nullopt;
}

void SongListView::notify(unsigned message, std::intptr_t wParam, std::intptr_t lParam, bool miniRoute) {
    if (miniRoute && isMiniList())
        port_.send(target_, message, wParam, lParam);
    else
        port_.post(target_, message, wParam, lParam);
}

void SongListView::showGreyNotice() {
    const std::string& notice = PageRules::greyItemNotice(owner_.pageKind());
    MessageBox* box = owner_.messageBox();
    if (!notice.empty() && box != nullptr)
        box->show(notice, kMessageBoxCaption, mb::kInformationOk);
}

void SongListView::dispatchClick(ClickKind kind, const CellHit& hit) {
    const ClickAction action = ClickTable::action(kind, isMiniList());
    if (kind == ClickKind::GreyState)
        return showGreyNotice();
    if (action.delayed) {
        pendingPhoneDeco_ = hit;
        phoneDecoTimer_.start(kPhoneDecoDelayMs, this);
        return;
    }
    const std::intptr_t wParam = action.rowInLParam ? 0 : hit.row;
    const std::intptr_t lParam = action.rowInLParam ? hit.row : hit.column;
    notify(action.message, wParam, lParam, true);
}

void SongListView::selectByClick(int row, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::ControlModifier) != 0) {
        rows_.setSelected(row, !isChecked(row));
    } else if ((modifiers & Qt::ShiftModifier) != 0 && anchorRow_ >= 0) {
        const auto [low, high] = std::minmax(anchorRow_, row);
        for (int i = 0; i < rowCount(); ++i)
            rows_.setSelected(i, i >= low && i <= high);
    } else {
        rows_.selectOnly(row);
        anchorRow_ = row;
    }
    focusedRow_ = row;
    lastChangedRow_ = row;
    afterCheckChange();
    SongListAccessible::focusMoved(this, row);
}

void SongListView::leftPress(const CellHit& hit, Qt::KeyboardModifiers modifiers) {
    const std::optional<RowCell> cell = this->cell(hit.row, hit.column);
    if (cell && cell->check != RowCell::kNoCheck)
        return toggleCheck(hit.row, hit.column);
    if (cell && cell->dropDown && hit.x >= header_->sectionSize(hit.column) - kDropDownWidth) {
        rows_.at(hit.row)->setPressed(hit.column, true);
        pressedRow_ = hit.row;
        pressedColumn_ = hit.column;
        dropDownTimer_.start(kDropDownWatchMs, this);
        viewport()->update();
        return;
    }
    // Several selected rows stay selected until the release, so that a drag takes them all.
    if (modifiers == Qt::NoModifier && isChecked(hit.row) && rows_.selectedRows().size() > 1)
        deferredSelect_ = hit.row;
    else
        selectByClick(hit.row, modifiers);
    if (const auto kind = clickAt(hit))
        dispatchClick(*kind, hit);
    viewport()->update();
}

void SongListView::mousePressEvent(QMouseEvent* event) {
    const CellHit hit = hitTest(event->position().toPoint());
    lastClickedRow_ = hit.row;
    lastClickedColumn_ = hit.column;
    if (event->button() == Qt::RightButton) {
        if (hit.row >= 0 && !isChecked(hit.row)) {
            rows_.selectOnly(hit.row); // everything else is deselected and unchecked first
            focusedRow_ = hit.row;
            afterCheckChange();
            viewport()->update();
        }
        return;
    }
    deferredSelect_ = -1;
    if (event->button() == Qt::LeftButton && hit.row >= 0 && hit.column >= 0)
        leftPress(hit, event->modifiers());
    // A drag may start from a row, not from a pressed drop-down cell.
    const bool rowPress = event->button() == Qt::LeftButton && hit.row >= 0 && pressedRow_ < 0;
    dragPress_ = rowPress ? std::optional(event->position().toPoint()) : std::nullopt;
}

void SongListView::mouseReleaseEvent(QMouseEvent* event) {
    dragPress_.reset();
    if (deferredSelect_ >= 0 && event->button() == Qt::LeftButton) {
        selectByClick(std::exchange(deferredSelect_, -1), Qt::NoModifier);
        viewport()->update();
    }
    if (pressedRow_ < 0 || event->button() != Qt::LeftButton)
        return;
    const CellHit hit = hitTest(event->position().toPoint());
    if (hit.row == pressedRow_ && hit.column == pressedColumn_)
        openDropDown(pressedRow_, pressedColumn_);
    else
        releaseDropDown();
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
        notify(isMiniList() ? msg::kMiniLyrics : msg::kRowLyrics, hit.row, hit.column, true);
        return;
    }
    if (PageRules::doubleClickPlays(owner_.pageKind(), isPlainList()))
        notify(isMiniList() ? msg::kMiniPlayRow : msg::kRowListen, 0, hit.row, true);
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
        rowHit = rows_.valid(focusedRow_) && rows_.at(focusedRow_)->record() != nullptr;
        if (rowHit) {
            lastClickedRow_ = focusedRow_;
            if (!isChecked(focusedRow_)) {
                rows_.selectOnly(focusedRow_);
                afterCheckChange();
                viewport()->update();
            }
            const QRect cell = cellRect(focusedRow_, titleColumn());
            at = viewport()->mapToGlobal(
                cell.isValid() ? cell.center()
                               : QPoint(0, focusedRow_ * kRowHeight - verticalScrollBar()->value()));
        }
    }
    std::unique_ptr<QMenu> menu(createContextMenu(rowHit));
    if (menu)
        menu->exec(at);
}

// ---- timers and drop-down lists ----

void SongListView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == phoneDecoTimer_.timerId()) {
        phoneDecoTimer_.stop();
        const ClickAction action = ClickTable::action(ClickKind::PhoneDeco, isMiniList());
        notify(action.message, pendingPhoneDeco_.row, pendingPhoneDeco_.column, true);
        return;
    }
    if (event->timerId() == dropDownTimer_.timerId()) {
        // Leaving the pressed cell releases it.
        const QPoint pos = viewport()->mapFromGlobal(QCursor::pos());
        if (!cellRect(pressedRow_, pressedColumn_).contains(pos) && dropDownList_ == nullptr)
            releaseDropDown();
        return;
    }
    QAbstractScrollArea::timerEvent(event);
}

void SongListView::openDropDown(int row, int column) {
    dropDownTimer_.stop();
    RowObject* object = rows_.at(row);
    if (object == nullptr || object->choices().isEmpty())
        return releaseDropDown();
    dropDownList_ = new QListWidget(this);
    dropDownList_->setWindowFlags(Qt::Popup);
    dropDownList_->addItems(object->choices());
    const QRect cell = cellRect(row, column);
    dropDownList_->setGeometry(
        QRect(viewport()->mapToGlobal(cell.bottomLeft()),
              QSize(cell.width(), kRowHeight * static_cast<int>(object->choices().size()) + 4)));
    connect(dropDownList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseDropDownEntry(dropDownList_->row(item)); });
    dropDownList_->show();
}

void SongListView::chooseDropDownEntry(int index) {
    const int row = pressedRow_;
    const int column = pressedColumn_;
    RowObject* object = rows_.at(row);
    if (object != nullptr && index >= 0 && index < object->choices().size())
        object->setChosenText(column, Cp949::fromUtf8(object->choices()[index].toStdString()));
    releaseDropDown();
    if (object != nullptr && index >= 0)
        port_.send(target_, msg::kDropDownCell, row, index);
}

void SongListView::releaseDropDown() {
    dropDownTimer_.stop();
    if (RowObject* object = rows_.at(pressedRow_))
        object->setPressed(pressedColumn_, false);
    pressedRow_ = pressedColumn_ = -1;
    if (dropDownList_ != nullptr) {
        dropDownList_->hide();
        dropDownList_->deleteLater();
        dropDownList_ = nullptr;
    }
    viewport()->update();
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
    return QAbstractScrollArea::event(event);
}

} // namespace kesto
