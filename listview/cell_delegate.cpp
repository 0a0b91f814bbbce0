#include "listview/cell_delegate.h"

#include "listview/song_table_model.h"

#include <QPainter>

namespace kesto {

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
    painter->setPen(QColor(229, 229, 229));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (model_.record(index.row()) == nullptr)
        return;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    paintCell(*painter, option, index);
    painter->restore();
}

} // namespace kesto
