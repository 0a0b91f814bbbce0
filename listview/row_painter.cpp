#include "listview/row_painter.h"

#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "listview/check_box_painter.h"
#include "listview/row_cells.h"
#include "listview/row_object.h"

#include <QPainter>

namespace kesto {
namespace {

QColor toColor(Rgb value) {
    return QColor(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>(value & 0xFF));
}

// Short labels of the icon kinds; the skin's bitmaps are the host's.
QString iconLabel(int kind) {
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

bool RowPainter::textIsCut(const QFontMetrics& metrics, const QString& text, int cellWidth, bool dropDown) {
    return metrics.horizontalAdvance(text) > textRect(QRect(0, 0, cellWidth, 1), dropDown).width();
}

void RowPainter::paint(QPainter& painter, const RowObject& row, int rowIndex, const QRect& rowRect,
                       const std::vector<ColumnSpan>& spans, bool currentMarking) const {
    painter.fillRect(rowRect, toColor(colors_.background(rowIndex)));
    if (row.record() == nullptr)
        return; // a row without item data is drawn empty
    const QColor text = toColor(colors_.text(row.selected, row.current && currentMarking, row.isGrey()));
    painter.setFont(font_);
    for (const ColumnSpan& span : spans) {
        const QRect cell(span.x, rowRect.top(), span.width, rowRect.height());
        if (cell.right() < rowRect.left() || cell.left() > rowRect.right())
            continue;
        painter.save();
        painter.setClipRect(cell);
        paintCell(painter, row, span, cell, text);
        painter.restore();
    }
    painter.setPen(QColor(229, 229, 229));
    painter.drawLine(rowRect.bottomLeft(), rowRect.bottomRight());
}

void RowPainter::paintCell(QPainter& painter, const RowObject& row, const ColumnSpan& span, const QRect& cell,
                           const QColor& text) const {
    const std::optional<RowCell> c = cells_.cell(row, span.column);
    if (!c)
        return;
    if (c->check != RowCell::kNoCheck) {
        CheckBoxPainter::paint(painter, cell, c->check == 1);
        return;
    }
    switch (span.kind) {
    case col::kPlayState:
        paintStateCell(painter, row, cell);
        return;
    case col::kDownload:
        paintDownloadCell(painter, cell);
        return;
    case col::kSourceMark:
        painter.setPen(text);
        painter.setBrush(row.record()->Source_Kind != 0 ? text : QColor(Qt::transparent));
        painter.drawEllipse(QRect(cell.center().x() - 4, cell.center().y() - 4, 8, 8));
        return;
    default:
        break;
    }
    if (col::isIconKind(span.kind)) {
        if (c->clickFlags != 0 || span.kind == col::kResend || span.kind == col::kMvResend)
            paintIcon(painter, cell, iconLabel(span.kind), text);
        return;
    }
    QColor color = text;
    if (c->rankMark && !row.isGrey())
        color = toColor(ListColors::rankColor(c->trend));
    painter.setPen(color);
    const QRect textRect = RowPainter::textRect(cell, c->dropDown);
    const QString shown =
        painter.fontMetrics().elidedText(RowCells::onScreen(c->text), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignCenter, shown);
    if (c->dropDown)
        paintDropDown(painter, cell, c->pressed);
}

void RowPainter::paintIcon(QPainter& painter, const QRect& cell, const QString& label,
                           const QColor& color) const {
    const int w = ClickTable::kIconWidth;
    const QRect icon(cell.left() + (cell.width() - w) / 2, cell.center().y() - 7, w, 14);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRoundedRect(icon.adjusted(0, 0, -1, -1), 3, 3);
    QFont small = font_;
    small.setPixelSize(9);
    painter.setFont(small);
    painter.setPen(color);
    painter.drawText(icon, Qt::AlignCenter, label);
    painter.setFont(font_);
}

void RowPainter::paintStateCell(QPainter& painter, const RowObject& row, const QRect& cell) const {
    const int left = cell.left() + ClickTable::kStateIconLeft;
    const int y = cell.center().y();
    painter.setRenderHint(QPainter::Antialiasing);
    if (row.isGrey()) {
        painter.setPen(QPen(QColor(177, 177, 177), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(left + 2, y - 6, 12, 12));
        painter.drawLine(left + 4, y + 4, left + 12, y - 4);
    } else {
        // The playing row in orange; on the others a faint play mark: a click listens to the row.
        const bool playing = row.current || row.record()->Play_State != 0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(playing ? QColor(255, 139, 0) : QColor(214, 214, 214));
        painter.drawPolygon(
            QPolygon({QPoint(left + 4, y - 5), QPoint(left + 4, y + 5), QPoint(left + 13, y)}));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void RowPainter::paintDownloadCell(QPainter& painter, const QRect& cell) const {
    const int half = cell.width() / 2;
    const int y = cell.center().y();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 141, 190));
    const int a = cell.left() + half / 2;
    painter.drawPolygon(QPolygon({QPoint(a - 4, y - 2), QPoint(a + 4, y - 2), QPoint(a, y + 4)}));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRect(cell.left() + half + half / 2 - 3, y - 5, 6, 10));
}

void RowPainter::paintDropDown(QPainter& painter, const QRect& cell, bool pressed) const {
    const QRect button(cell.right() - 13, cell.top() + 2, 12, cell.height() - 4);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(pressed ? QColor(181, 183, 161) : QColor(247, 247, 247));
    painter.drawRect(button.adjusted(0, 0, -1, -1));
    const int x = button.center().x();
    const int y = button.center().y();
    painter.setBrush(QColor(80, 80, 80));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(x - 3, y - 1), QPoint(x + 3, y - 1), QPoint(x, y + 2)}));
}

} // namespace kesto
