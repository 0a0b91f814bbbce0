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
#include "listview/song_list_header.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "platform/plain_text.h"
#include "platform/screen_text.h"
#include "songs/panel_messages.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace kesto {

// ---- geometry ----

int SongListView::headerHeight() {
    if (!header_->isVisible())
        return 0;
    if (headerHeight_ < 0)
        headerHeight_ = header_->sizeHint().height();
    return headerHeight_;
}

void SongListView::updateScrollBars() {
    const int headerHeight = this->headerHeight();
    // Setting the margins lays the scroll area out again even when they stay.
    if (viewportMargins() != QMargins(0, headerHeight, 0, 0))
        setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    const QRect headerArea(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    if (header_->geometry() != headerArea)
        header_->setGeometry(headerArea);
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(kRowHeight);
    verticalScrollBar()->setRange(0, std::max(0, rowCount() * kRowHeight - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setRange(0, std::max(0, header_->length() - area.width()));
    header_->setOffset(horizontalScrollBar()->value());
}

void SongListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SongListView::scrollContentsBy(int, int) {
    header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

std::vector<ColumnSpan> SongListView::visibleSpans() const {
    std::vector<ColumnSpan> spans;
    for (int visual = 0; visual < header_->count(); ++visual) {
        const int column = header_->logicalIndex(visual);
        if (column < 0 || header_->isSectionHidden(column))
            continue;
        spans.push_back({column, columnKind(column), header_->sectionViewportPosition(column),
                         header_->sectionSize(column)});
    }
    return spans;
}

int SongListView::rowAt(int y) const {
    if (y < 0)
        return -1;
    const int row = (y + verticalScrollBar()->value()) / kRowHeight;
    return rows_.valid(row) ? row : -1;
}

int SongListView::columnAt(int x) const {
    const int column = header_->logicalIndexAt(x);
    return column >= 0 && column < header_->count() ? column : -1;
}

QRect SongListView::cellRect(int row, int column) const {
    if (!rows_.valid(row) || column < 0 || column >= columnCount() || header_->isSectionHidden(column))
        return {};
    return QRect(header_->sectionViewportPosition(column), row * kRowHeight - verticalScrollBar()->value(),
                 header_->sectionSize(column), kRowHeight);
}

ListColors SongListView::colors() const {
    const QColor base = palette().color(QPalette::Text);
    return ListColors::forSkin(owner_.skinType(), isMiniList(), rgb(base.red(), base.green(), base.blue()));
}

void SongListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const ListColors palette = colors();
    painter.fillRect(event->rect(), QColor(255, 255, 255));
    const RowPainter rowPainter(palette, font_, cells_);
    const std::vector<ColumnSpan> spans = visibleSpans();
    const int offset = verticalScrollBar()->value();
    const int first = std::max(0, (event->rect().top() + offset) / kRowHeight);
    const int last = std::min(rowCount() - 1, (event->rect().bottom() + offset) / kRowHeight);
    const bool marking = owner_.currentMarking();
    for (int row = first; row <= last; ++row) {
        const QRect rowRect(0, row * kRowHeight - offset, viewport()->width(), kRowHeight);
        rowPainter.paint(painter, *rows_.at(row), row, rowRect, spans, marking);
    }
    if (hasFocus() && rows_.valid(focusedRow_)) {
        const QRect focusRect(0, focusedRow_ * kRowHeight - offset, viewport()->width(), kRowHeight);
        painter.setPen(QPen(isMiniList() ? QColor(255, 255, 255) : QColor(0, 0, 0), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focusRect.adjusted(0, 0, -1, -1));
    }
}

// ---- tooltips ----

bool SongListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        showCellToolTip(help->pos(), help->globalPos());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void SongListView::showCellToolTip(const QPoint& viewportPos, const QPoint& globalPos) {
    // Only a text cut short on screen gets its full text.
    const CellHit hit = hitTest(viewportPos);
    const std::optional<RowCell> cell = this->cell(hit.row, hit.column);
    if (!cell || cell->check != RowCell::kNoCheck || col::isIconKind(columnKind(hit.column))) {
        QToolTip::hideText();
        return;
    }
    const QString text = RowCells::onScreen(cell->text);
    if (!RowPainter::textIsCut(QFontMetrics(font_), text, header_->sectionSize(hit.column), cell->dropDown)) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPos, PlainText::toolTip(text), viewport(), cellRect(hit.row, hit.column));
}

} // namespace kesto
