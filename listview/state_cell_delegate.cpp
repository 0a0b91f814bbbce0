#include "listview/state_cell_delegate.h"

#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "listview/song_table_model.h"

#include <QPainter>

namespace kesto {

void StateCellDelegate::paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect& cell = option.rect;
    switch (model().kindOf(index.column())) {
    case col::kPlayState:
        return paintPlayState(painter, cell, index.row());
    case col::kDownload:
        return paintDownload(painter, cell);
    default: { // the source mark
        const QColor text = index.data(Qt::ForegroundRole).value<QColor>();
        painter.setPen(text);
        painter.setBrush(model().record(index.row())->Source_Kind != 0 ? text : QColor(Qt::transparent));
        painter.drawEllipse(QRect(cell.center().x() - 4, cell.center().y() - 4, 8, 8));
    }
    }
}

void StateCellDelegate::paintPlayState(QPainter& painter, const QRect& cell, int row) const {
    const int left = cell.left() + ClickTable::kStateIconLeft;
    const int y = cell.center().y();
    painter.setRenderHint(QPainter::Antialiasing);
    if (model().row(row)->isGrey()) {
        painter.setPen(QPen(QColor(177, 177, 177), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(left + 2, y - 6, 12, 12));
        painter.drawLine(left + 4, y + 4, left + 12, y - 4);
        return;
    }
    // The playing row in orange; on the others a faint play mark: a click listens to the row.
    const bool playing = row == model().current() || model().record(row)->Play_State != 0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(playing ? QColor(255, 139, 0) : QColor(214, 214, 214));
    painter.drawPolygon(QPolygon({QPoint(left + 4, y - 5), QPoint(left + 4, y + 5), QPoint(left + 13, y)}));
}

void StateCellDelegate::paintDownload(QPainter& painter, const QRect& cell) {
    const int half = cell.width() / 2;
    const int y = cell.center().y();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 141, 190));
    const int a = cell.left() + half / 2;
    painter.drawPolygon(QPolygon({QPoint(a - 4, y - 2), QPoint(a + 4, y - 2), QPoint(a, y + 4)}));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRect(cell.left() + half + half / 2 - 3, y - 5, 6, 10));
}

} // namespace kesto
