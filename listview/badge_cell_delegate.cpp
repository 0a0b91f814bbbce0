#include "listview/badge_cell_delegate.h"

#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "listview/song_table_model.h"

#include <QPainter>

namespace kesto {
namespace {

// Short labels of the icon kinds; the skin's bitmaps are the host's.
QString labelOf(int kind) {
    switch (kind) {
    case col::kPhoneDeco:
        return QStringLiteral("D");
    case col::kMessage:
        return QStringLiteral("M");
    case col::kMusicVideo:
        return QStringLiteral("MV");
    case col::kLyrics:
        return QString::fromUtf8("가");
    case col::kResend:
    case col::kMvResend:
        return QStringLiteral("R");
    case col::kMvDownload:
        return QString::fromUtf8("↓");
    default:
        return {};
    }
}

} // namespace

void BadgeCellDelegate::paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const int kind = model().kindOf(index.column());
    const std::optional<RowCell> cell = model().cell(index.row(), index.column());
    if (!cell || (cell->clickFlags == 0 && kind != col::kResend && kind != col::kMvResend))
        return;
    const int w = ClickTable::kIconWidth;
    const QRect icon(option.rect.left() + (option.rect.width() - w) / 2, option.rect.center().y() - 7, w, 14);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRoundedRect(icon.adjusted(0, 0, -1, -1), 3, 3);
    QFont small = option.font;
    small.setPixelSize(9);
    painter.setFont(small);
    painter.setPen(index.data(Qt::ForegroundRole).value<QColor>());
    painter.drawText(icon, Qt::AlignCenter, labelOf(kind));
}

} // namespace kesto
