#pragma once
// What every cell of the song list draws: the row's background and the line under it; a row
// without a song stops there. Each kind of cell draws the rest.

#include <QStyledItemDelegate>

namespace kesto {

class SongTableModel;

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CellDelegate(const SongTableModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const final;

protected:
    virtual void paintCell(QPainter& painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const = 0;
    const SongTableModel& model() const { return model_; }

private:
    const SongTableModel& model_;
};

} // namespace kesto
