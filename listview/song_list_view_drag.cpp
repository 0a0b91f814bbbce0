// Drag and drop of the song list: dragging the selected rows out, and the drop target's
// answers and drops (rows moved within the list, songs and files handed to the owner).
#include "listview/song_list_view.h"

#include "columns/row_move.h"
#include "include/kesto/window_message.h"
#include "listview/list_control_owner.h"
#include "listview/row_painter.h"
#include "listview/song_drag_data.h"
#include "listview/song_drag_source.h"
#include "listview/song_drop_target.h"
#include "songs/panel_messages.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <numeric>

namespace kesto {

namespace {

// The drag image shows at most this many rows.
constexpr int kImageRows = 12;

Qt::DropAction actionOf(DropEffect effect) {
    switch (effect) {
    case DropEffect::Copy:
        return Qt::CopyAction;
    case DropEffect::Move:
        return Qt::MoveAction;
    case DropEffect::None:
        break;
    }
    return Qt::IgnoreAction;
}

// Answers a drag event; an ignored answer keeps the drop from this list.
void answer(QDropEvent* event, DropEffect effect) {
    if (effect == DropEffect::None) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    event->setDropAction(actionOf(effect));
    event->accept();
}

} // namespace

// ---- the dragging side ----

std::unique_ptr<QMimeData> SongListView::beginDrag() {
    return drag_->begin();
}

void SongListView::endDrag() {
    drag_->end();
}

bool SongListView::isDragging() const {
    return drag_->dragging();
}

std::vector<int> SongListView::draggedRows() const {
    return drag_->rows();
}

int SongListView::dropRow() const {
    return drag_->dropRow();
}

bool SongListView::dragFromPress(const QMouseEvent* event) {
    if (!dragPress_ || (event->buttons() & Qt::LeftButton) == 0)
        return false;
    const QPoint from = *dragPress_;
    if ((event->position().toPoint() - from).manhattanLength() < QApplication::startDragDistance())
        return false;
    dragPress_.reset();
    deferredSelect_ = -1;
    startDrag(from);
    return true;
}

void SongListView::startDrag(const QPoint& pointer) {
    std::unique_ptr<QMimeData> mime = drag_->begin();
    if (!mime)
        return;
    QPoint hotSpot;
    const QPixmap image = dragImage(pointer, &hotSpot);
    if (image.isNull()) {
        drag_->end();
        return;
    }
    // Qt deletes the drag object once it has run.
    auto* drag = new QDrag(this);
    drag->setMimeData(mime.release());
    drag->setPixmap(image);
    drag->setHotSpot(hotSpot);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    drag_->end();
}

QPixmap SongListView::dragImage(const QPoint& pointer, QPoint* hotSpot) const {
    const std::vector<int>& rows = drag_->rows();
    const int shown = std::min(static_cast<int>(rows.size()), kImageRows);
    if (shown == 0 || viewport()->width() <= 0)
        return {};
    QPixmap image(viewport()->width(), shown * kRowHeight);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setOpacity(0.75);
    const RowPainter rowPainter(colors(), font_, cells_);
    const std::vector<ColumnSpan> spans = visibleSpans();
    for (int i = 0; i < shown; ++i)
        if (const RowObject* object = rows_.at(rows[static_cast<std::size_t>(i)]))
            rowPainter.paint(painter, *object, rows[static_cast<std::size_t>(i)],
                             QRect(0, i * kRowHeight, image.width(), kRowHeight), spans, false);
    painter.end();
    // The pointer keeps its place on the row it pressed.
    const int pressed = rowAt(pointer.y());
    const auto at = std::find(rows.begin(), rows.begin() + shown, pressed);
    const int slot = at == rows.begin() + shown ? 0 : static_cast<int>(at - rows.begin());
    const int inRow = pressed >= 0 ? (pointer.y() + verticalScrollBar()->value()) % kRowHeight : 0;
    if (hotSpot != nullptr)
        *hotSpot = QPoint(std::clamp(pointer.x(), 0, image.width() - 1), slot * kRowHeight + inRow);
    return image;
}

// ---- the drop target ----

void SongListView::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (mime == nullptr || !SongDragData::offer(*mime).any()) {
        event->ignore();
        return;
    }
    // Data of ours is taken in even when the first answer is none: the moves decide.
    event->setDropAction(actionOf(dropTarget_->enter(*mime)));
    event->accept();
}

void SongListView::dragMoveEvent(QDragMoveEvent* event) {
    const QMimeData* mime = event->mimeData();
    answer(event, mime != nullptr ? dropTarget_->over(*mime, event->position().toPoint()) : DropEffect::None);
}

void SongListView::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
}

void SongListView::dropEvent(QDropEvent* event) {
    const QMimeData* mime = event->mimeData();
    const DropDecision decision =
        mime != nullptr ? dropTarget_->drop(*mime, event->position().toPoint()) : DropDecision{};
    if (decision.kind == DropKind::Nothing) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    dropped(decision, *mime);
    event->setDropAction(decision.kind == DropKind::MoveRows ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

void SongListView::dropped(const DropDecision& decision, const QMimeData& mime) {
    if (decision.kind == DropKind::MoveRows) {
        // The mini play list window moves its list's rows; the panel's list moves its own.
        WindowHandle to = isMiniList() ? target_ : static_cast<WindowHandle>(this);
        port_.post(to, msg::kMoveRows, 0, 0);
        return;
    }
    // The owner acts once the drop has returned, on copies: the drag table keeps the songs
    // only as long as the drag.
    if (decision.kind == DropKind::Files) {
        QMetaObject::invokeMethod(
            this, [this, paths = SongDragData::localFiles(mime)] { owner_.filesDropped(paths); },
            Qt::QueuedConnection);
        return;
    }
    auto songs = SongDragData::songs(mime);
    if (!songs)
        return;
    QMetaObject::invokeMethod(
        this, [this, decision, songs = std::move(*songs)] { owner_.songsDropped(decision, songs); },
        Qt::QueuedConnection);
}

// ---- rows moved by a drop ----

void SongListView::moveDraggedRows() {
    const std::vector<int> order = RowMove::order(rowCount(), drag_->rows(), drag_->dropRow());
    drag_->forgetRows();
    std::vector<int> same(order.size());
    std::iota(same.begin(), same.end(), 0);
    if (order == same)
        return;
    rows_.reorder(order);
    // Rows remembered by index follow their rows.
    std::vector<int> newIndex(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        newIndex[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    for (int* row : {&focusedRow_, &anchorRow_, &lastClickedRow_, &lastChangedRow_})
        if (*row >= 0 && *row < static_cast<int>(newIndex.size()))
            *row = newIndex[static_cast<std::size_t>(*row)];
    if (isMiniList() || DropRules::renumbersAfterMove(owner_.pageKind()))
        renumberCells();
    viewport()->update();
    owner_.rowsMoved();
}

void SongListView::rebindRows(std::span<Song* const> records) {
    const int count = std::min(rowCount(), static_cast<int>(records.size()));
    for (int row = 0; row < count; ++row)
        rows_.at(row)->rebind(records[static_cast<std::size_t>(row)]);
    viewport()->update();
}

} // namespace kesto
