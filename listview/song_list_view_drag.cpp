// Drag and drop of the song list: dragging the selected rows out, and the drop target's
// answers and drops (rows moved within the list, songs and files handed to the owner).
#include "listview/song_list_view.h"

#include "columns/row_move.h"
#include "include/kesto/window_message.h"
#include "listview/song_drag_data.h"
#include "listview/song_table_model.h"
#include "songs/panel_messages.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>
#include <numeric>

namespace kesto {

namespace {

Qt::DropAction actionOf(DropEffect effect) {
    return effect == DropEffect::Copy   ? Qt::CopyAction
           : effect == DropEffect::Move ? Qt::MoveAction
                                        : Qt::IgnoreAction;
}

// Answers a drag event; an ignored answer keeps the drop from this list.
void answer(QDropEvent* event, DropEffect effect) {
    event->setDropAction(actionOf(effect));
    event->setAccepted(effect != DropEffect::None);
}

} // namespace

// ---- the dragging side ----

bool SongListView::dragFromPress(const QMouseEvent* event) {
    if (!dragPress_ || (event->buttons() & Qt::LeftButton) == 0)
        return false;
    if ((event->position().toPoint() - *dragPress_).manhattanLength() < QApplication::startDragDistance())
        return false;
    deferredSelect_ = -1;
    startDrag(Qt::CopyAction | Qt::MoveAction);
    dragPress_.reset();
    return true;
}

void SongListView::startDrag(Qt::DropActions supportedActions) {
    QTableView::startDrag(supportedActions); // the model's data of the selected rows
    endDrag();
}

// ---- the drop target ----

DropPlace SongListView::dropPlace(const QMimeData& mime) const {
    return {dropPageKind(), isMiniList(), model_->startedHere(mime)};
}

DropEffect SongListView::dropEffect(const DropOffer& offer, const DropPlace& place, const QPoint& pos) {
    const DropEffect effect = DropRules::over(offer, place);
    if (effect != DropEffect::None && !offer.files)
        model_->setDropRow(rowAt(pos.y()));
    return effect;
}

void SongListView::dragEnterEvent(QDragEnterEvent* event) {
    const DropOffer offer =
        event->mimeData() != nullptr ? SongDragData::offer(*event->mimeData()) : DropOffer{};
    if (!offer.any())
        return event->ignore();
    // Data of ours is taken in even when the first answer is none: the moves decide.
    event->setDropAction(actionOf(DropRules::enter(offer)));
    event->accept();
}

void SongListView::dragMoveEvent(QDragMoveEvent* event) {
    const QMimeData* mime = event->mimeData();
    answer(event, mime != nullptr
                      ? dropEffect(SongDragData::offer(*mime), dropPlace(*mime), event->position().toPoint())
                      : DropEffect::None);
}

void SongListView::dropEvent(QDropEvent* event) {
    // What the drop does is decided here once, from one reading of its data.
    const QMimeData* mime = event->mimeData();
    DropDecision decision;
    if (mime != nullptr) {
        const DropOffer offer = SongDragData::offer(*mime);
        const DropPlace place = dropPlace(*mime);
        if (dropEffect(offer, place, event->position().toPoint()) != DropEffect::None)
            decision = DropRules::decide(offer, place);
    }
    if (decision.kind == DropKind::Nothing)
        return answer(event, DropEffect::None);
    dropped(decision, *mime);
    answer(event, decision.kind == DropKind::MoveRows ? DropEffect::Move : DropEffect::Copy);
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
            this, [this, paths = SongDragData::localFiles(mime)] { emit filesDropped(paths); },
            Qt::QueuedConnection);
        return;
    }
    auto songs = SongDragData::songs(mime);
    if (!songs)
        return;
    QMetaObject::invokeMethod(
        this, [this, decision, songs = std::move(*songs)] { emit songsDropped(decision, songs); },
        Qt::QueuedConnection);
}

// ---- rows moved by a drop ----

void SongListView::moveDraggedRows() {
    const std::vector<int> order = RowMove::order(rowCount(), model_->dragRows(), model_->dropRow());
    model_->forgetDragRows();
    std::vector<int> same(order.size());
    std::iota(same.begin(), same.end(), 0);
    if (order == same)
        return;
    // Rows remembered by index follow their rows.
    std::vector<int> newIndex(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        newIndex[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    const auto moved = [&newIndex](int row) {
        return row >= 0 && row < static_cast<int>(newIndex.size()) ? newIndex[static_cast<std::size_t>(row)]
                                                                   : row;
    };
    const int focused = focusedRow();
    model_->reorder(order);
    anchorRow_ = moved(anchorRow_);
    setFocusedRow(moved(focused));
    if (isMiniList() || DropRules::renumbersAfterMove(pageKind()))
        model_->renumber();
    emit rowsMoved();
}

} // namespace kesto
