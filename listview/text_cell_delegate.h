#pragma once
// Text cells: the text centred in the row's colour (a rank change in its own), cut with an
// ellipsis where it does not fit, and the whole text as a plain tooltip where it was cut. A
// drop-down cell shows its button and edits with the list of its entries.

#include "listview/cell_delegate.h"

class QFontMetrics;

namespace kesto {

class TextCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    static constexpr int kDropDownWidth = 14;

    using CellDelegate::CellDelegate;

    // Whether a cell's text is drawn cut short.
    static bool textIsCut(const QFontMetrics& metrics, const QString& text, int cellWidth, bool dropDown);
    static QRect textRect(const QRect& cell, bool dropDown) {
        return cell.adjusted(3, 0, dropDown ? -kDropDownWidth : -3, 0);
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    void paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const override;

private:
    static void paintDropDown(QPainter& painter, const QRect& cell);
};

} // namespace kesto
