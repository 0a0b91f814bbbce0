#pragma once
// Draws every cell of the song list: the row's background and the line under it (a row without
// a song stops there), then by the column's kind a check box, a mark (play state, source, the
// download cell's two zones), a small labelled badge where a click on the icon acts, or the text
// centred in the row's colour, cut with an ellipsis where it does not fit. Only a cut text has a
// tooltip, its whole text as plain text. A drop-down cell shows its button and edits with the
// list of its entries.

#include <QStyledItemDelegate>

namespace kesto {

class SongTableModel;

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kDropDownWidth = 14;

    CellDelegate(const SongTableModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    bool isText(const QModelIndex& index) const;
    bool hasDropDown(const QModelIndex& index) const;
    void paintText(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintBadge(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintPlayState(QPainter& painter, const QRect& cell, int row) const;
    void paintSourceMark(QPainter& painter, const QRect& cell, const QModelIndex& index) const;
    static void paintDownload(QPainter& painter, const QRect& cell);
    static void paintDropDown(QPainter& painter, const QRect& cell);

    const SongTableModel& model_;
};

} // namespace kesto
