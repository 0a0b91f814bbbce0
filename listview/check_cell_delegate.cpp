#include "listview/check_cell_delegate.h"

#include "listview/check_box_painter.h"

namespace kesto {

void CheckCellDelegate::paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    CheckBoxPainter::paint(painter, option.rect, index.data(Qt::CheckStateRole).toInt() == Qt::Checked);
}

} // namespace kesto
