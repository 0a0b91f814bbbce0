#include "listview/cell_delegate.h"

#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "listview/song_table_model.h"
#include "platform/check_box_painter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

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

QRect textRect(const QRect& cell, bool dropDown) {
    return cell.adjusted(3, 0, dropDown ? -CellDelegate::kDropDownWidth : -3, 0);
}

} // namespace

bool CellDelegate::isText(const QModelIndex& index) const {
    const int kind = model_.kindOf(index.column());
    return !col::isIconKind(kind) && kind != col::kSourceMark;
}

bool CellDelegate::hasDropDown(const QModelIndex& index) const {
    const RowObject* row = model_.row(index.row());
    return row != nullptr && row->dropDownColumn() == index.column();
}

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
    switch (model_.kindOf(index.column())) {
    case col::kCheck:
        CheckBoxPainter::paint(*painter, option.rect, index.data(Qt::CheckStateRole).toInt() == Qt::Checked);
        break;
    case col::kPlayState:
        paintPlayState(*painter, option.rect, index.row());
        break;
    case col::kDownload:
        paintDownload(*painter, option.rect);
        break;
    case col::kSourceMark:
        paintSourceMark(*painter, option.rect, index);
        break;
    default:
        isText(index) ? paintText(*painter, option, index) : paintBadge(*painter, option, index);
    }
    painter->restore();
}

void CellDelegate::paintText(QPainter& painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool dropDown = hasDropDown(index);
    painter.setPen(index.data(Qt::ForegroundRole).value<QColor>());
    const QRect text = textRect(option.rect, dropDown);
    painter.drawText(text, Qt::AlignCenter,
                     painter.fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    if (dropDown)
        paintDropDown(painter, option.rect);
}

void CellDelegate::paintDropDown(QPainter& painter, const QRect& cell) {
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

void CellDelegate::paintBadge(QPainter& painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    // Drawn where a click on it acts; a resend mark always.
    const int kind = model_.kindOf(index.column());
    const std::optional<RowCell> cell = model_.cell(index.row(), index.column());
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

void CellDelegate::paintPlayState(QPainter& painter, const QRect& cell, int row) const {
    const int left = cell.left() + ClickTable::kStateIconLeft;
    const int y = cell.center().y();
    painter.setRenderHint(QPainter::Antialiasing);
    if (model_.row(row)->isGrey()) {
        painter.setPen(QPen(QColor(177, 177, 177), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(left + 2, y - 6, 12, 12));
        painter.drawLine(left + 4, y + 4, left + 12, y - 4);
        return;
    }
    // The playing row in orange; on the others a faint play mark: a click listens to the row.
    const bool playing = row == model_.current() || model_.record(row)->Play_State != 0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(playing ? QColor(255, 139, 0) : QColor(214, 214, 214));
    painter.drawPolygon(QPolygon({QPoint(left + 4, y - 5), QPoint(left + 4, y + 5), QPoint(left + 13, y)}));
}

void CellDelegate::paintSourceMark(QPainter& painter, const QRect& cell, const QModelIndex& index) const {
    const QColor text = index.data(Qt::ForegroundRole).value<QColor>();
    painter.setPen(text);
    painter.setBrush(model_.record(index.row())->Source_Kind != 0 ? text : QColor(Qt::transparent));
    painter.drawEllipse(QRect(cell.center().x() - 4, cell.center().y() - 4, 8, 8));
}

void CellDelegate::paintDownload(QPainter& painter, const QRect& cell) {
    const int half = cell.width() / 2;
    const int y = cell.center().y();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 141, 190));
    const int a = cell.left() + half / 2;
    painter.drawPolygon(QPolygon({QPoint(a - 4, y - 2), QPoint(a + 4, y - 2), QPoint(a, y + 4)}));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRect(cell.left() + half + half / 2 - 3, y - 5, 6, 10));
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    auto* entries = new QComboBox(parent);
    entries->addItems(model_.row(index.row())->choices());
    auto* self = const_cast<CellDelegate*>(this); // Qt's editor signals are the delegate's
    connect(entries, &QComboBox::activated, self, [self, entries] {
        emit self->commitData(entries);
        emit self->closeEditor(entries);
    });
    QMetaObject::invokeMethod(entries, &QComboBox::showPopup, Qt::QueuedConnection);
    return entries;
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !isText(index))
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // Only a text cut short on screen gets its full text, and as text: never markup.
    const QString text = index.data().toString();
    const int room = textRect(option.rect, hasDropDown(index)).width();
    if (model_.record(index.row()) == nullptr || QFontMetrics(option.font).horizontalAdvance(text) <= room)
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap),
                           view->viewport(), option.rect);
    return true;
}

} // namespace kesto
