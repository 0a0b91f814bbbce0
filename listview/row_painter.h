#pragma once
// Draws one list row cell by cell: background, texts in the row's colour, check boxes, icons,
// buttons and rank marks.

#include "columns/list_colors.h"

#include <QFont>
#include <QRect>

class QFontMetrics;
class QPainter;

namespace kesto {

class RowCells;
class RowObject;

// A visible column: its index in the column table, kind and place on screen.
struct ColumnSpan {
    int column = 0;
    int kind = 0;
    int x = 0;
    int width = 0;
};

class RowPainter {
public:
    RowPainter(const ListColors& colors, const QFont& font, const RowCells& cells)
        : colors_(colors), font_(font), cells_(cells) {}

    // Whether a cell's text is drawn cut short (the painter elides it).
    static bool textIsCut(const QFontMetrics& metrics, const QString& text, int cellWidth, bool dropDown);
    static QRect textRect(const QRect& cell, bool dropDown) {
        return cell.adjusted(3, 0, dropDown ? -14 : -3, 0);
    }

    void paint(QPainter& painter, const RowObject& row, int rowIndex, const QRect& rowRect,
               const std::vector<ColumnSpan>& spans, bool currentMarking) const;

private:
    void paintCell(QPainter& painter, const RowObject& row, const ColumnSpan& span, const QRect& cell,
                   const QColor& text) const;
    void paintIcon(QPainter& painter, const QRect& cell, const QString& label, const QColor& color) const;
    void paintStateCell(QPainter& painter, const RowObject& row, const QRect& cell) const;
    void paintDownloadCell(QPainter& painter, const QRect& cell) const;
    void paintDropDown(QPainter& painter, const QRect& cell, bool pressed) const;

    ListColors colors_;
    QFont font_;
    const RowCells& cells_;
};

} // namespace kesto
