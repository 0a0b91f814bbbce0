#pragma once
// Cells drawn as marks rather than text: the play state (the playing row's orange mark, a faint
// one that listens, the grey row's sign), the source mark and the download cell's two zones.

#include "listview/cell_delegate.h"

namespace kesto {

class StateCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    using CellDelegate::CellDelegate;

protected:
    void paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const override;

private:
    void paintPlayState(QPainter& painter, const QRect& cell, int row) const;
    static void paintDownload(QPainter& painter, const QRect& cell);
};

} // namespace kesto
