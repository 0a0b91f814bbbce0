#pragma once
// Icon cells drawn as small labelled badges (decoration, message, video, lyrics, resend,
// video download), shown where a click on them acts.

#include "listview/cell_delegate.h"

namespace kesto {

class BadgeCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    using CellDelegate::CellDelegate;

protected:
    void paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const override;
};

} // namespace kesto
