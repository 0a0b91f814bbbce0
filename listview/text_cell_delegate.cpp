#include "listview/text_cell_delegate.h"

#include "listview/song_table_model.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

namespace kesto {

bool TextCellDelegate::textIsCut(const QFontMetrics& metrics, const QString& text, int cellWidth,
                                 bool dropDown) {
    return metrics.horizontalAdvance(text) > textRect(QRect(0, 0, cellWidth, 1), dropDown).width();
}

void TextCellDelegate::paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const std::optional<RowCell> cell = model().cell(index.row(), index.column());
    const bool dropDown = cell && cell->dropDown;
    painter.setPen(index.data(Qt::ForegroundRole).value<QColor>());
    const QRect text = textRect(option.rect, dropDown);
    painter.drawText(text, Qt::AlignCenter,
                     painter.fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    if (dropDown)
        paintDropDown(painter, option.rect);
}

void TextCellDelegate::paintDropDown(QPainter& painter, const QRect& cell) {
    const QRect button(cell.right() - 13, cell.top() + 2, 12, cell.height() - 4);
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(247, 247, 247));
    painter.drawRect(button.adjusted(0, 0, -1, -1));
    const int x = button.center().x();
    const int y = button.center().y();
    painter.setBrush(QColor(80, 80, 80));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(x - 3, y - 1), QPoint(x + 3, y - 1), QPoint(x, y + 2)}));
}

QWidget* TextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* entries = new QComboBox(parent);
    entries->addItems(model().row(index.row())->choices());
    auto* self = const_cast<TextCellDelegate*>(this); // Qt's editor signals are the delegate's
    connect(entries, &QComboBox::activated, self, [self, entries] {
        emit self->commitData(entries);
        emit self->closeEditor(entries);
    });
    QMetaObject::invokeMethod(entries, &QComboBox::showPopup, Qt::QueuedConnection);
    return entries;
}

void TextCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}

bool TextCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return CellDelegate::helpEvent(event, view, option, index);
    // Only a text cut short on screen gets its full text, and as text: never markup.
    const std::optional<RowCell> cell = model().cell(index.row(), index.column());
    const QString text = index.data().toString();
    if (!cell || !textIsCut(QFontMetrics(option.font), text, option.rect.width(), cell->dropDown))
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap),
                           view->viewport(), option.rect);
    return true;
}

} // namespace kesto
