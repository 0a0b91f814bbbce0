#pragma once
// The check column's cells: a box ticked as the model's check state says.

#include "listview/cell_delegate.h"

namespace kesto {

class CheckCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    using CellDelegate::CellDelegate;

protected:
    void paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const override;
};

} // namespace kesto
