#pragma once
// The shown songs as a table for Qt's views: a row per song, the page kind's columns, and per
// row only what the list keeps (tick, number, drop-down cell). Texts are made from the songs
// when asked. A tick changed by any road is a dataChanged of its row, so views and screen
// readers hear of it.

#include "columns/column_info.h"
#include "columns/list_colors.h"
#include "columns/row_cell.h"
#include "columns/sort_rules.h"
#include "listview/row_object.h"

#include <QAbstractTableModel>
#include <QMimeData>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace kesto {

class SongTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SongTableModel(bool miniList, QObject* parent = nullptr);

    // Columns up to the set's end mark; the rows stay.
    void setColumns(std::span<const ColumnInfo> columns, int pageKind);
    const std::vector<ColumnInfo>& columnSet() const { return columns_; }
    int pageKind() const { return pageKind_; }
    int kindOf(int column) const;
    int columnOfKind(int kind) const; // -1 when the page has none
    // Colours and whether the current row is marked, read when cells are drawn.
    void setLook(const ListColors& colors, bool marking);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Qt's drag of the selected rows, which are the ticked rows.
    QMimeData* mimeData(const QModelIndexList&) const override { return beginDrag().release(); }

    bool valid(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    RowObject* row(int row) { return valid(row) ? &rows_[static_cast<std::size_t>(row)] : nullptr; }
    const RowObject* row(int row) const {
        return valid(row) ? &rows_[static_cast<std::size_t>(row)] : nullptr;
    }
    Song* record(int row) const;
    // A cell as the row shows it now; nothing for a row without a song.
    std::optional<RowCell> cell(int row, int column) const;
    QString cellText(int row, int column) const;

    // Rows. Appended records stay their owner's; an inserted one is kept by its row.
    int insert(int at, std::unique_ptr<Song> owned);
    // Filling is a reset: no per-row signals.
    void append(std::span<Song* const> records);
    bool remove(int row);
    void clear();
    // Fills the row again with short sizes (a single refreshed row).
    void refresh(int row);
    void changed(int row); // the row looks different
    void rebind(std::span<Song* const> records);

    // Ticks: each change is a dataChanged of the rows it touched, then checksChanged.
    bool isChecked(int row) const;
    void setChecked(int row, bool on);
    // Ticks rows low..high alone (one row when equal); -1 unticks all.
    void checkOnly(int low, int high) {
        setTicks([low, high](int row, bool) { return row >= low && row <= high; });
    }
    void setAllChecked(bool on) {
        setTicks([on](int, bool) { return on; });
    }
    void invert() {
        setTicks([](int, bool was) { return !was; });
    }
    bool allChecked() const;
    int checkedCount() const;
    std::vector<int> checkedRows() const;

    void setCurrent(int row);
    int current() const { return current_; }

    // Stable sort by one column under a rule; returns the new order as old row indexes. Rows
    // without a song sort first. A reset, as a move of rows is.
    std::vector<int> sortBy(int column, SortRules::Mode mode, bool ascending);
    void reorder(const std::vector<int>& order);
    void renumber();

    // A drag of the ticked rows: the data it offers, null where none may start (a device page, no
    // tick, a row without a song). The drag table keeps the songs until endDrag; the rows stay
    // for a move, as does the row a drop on this list goes to (-1: after the last row).
    std::unique_ptr<QMimeData> beginDrag() const;
    void endDrag() const;
    bool dragging() const { return drag_.serial != 0; }
    bool startedHere(const QMimeData& data) const; // the data is this list's running drag
    const std::vector<int>& dragRows() const { return drag_.rows; }
    void forgetDragRows() { drag_.rows.clear(); }
    int dropRow() const { return drag_.dropRow; }
    void setDropRow(int row) { drag_.dropRow = row; }

signals:
    void checksChanged();
    // An entry of a drop-down cell was chosen (the cell shows it from now on).
    void entryChosen(int row, int entry);

private:
    void setTicks(const std::function<bool(int row, bool was)>& tick);
    void rowsChanged(int first, int last);
    bool hasCell(const RowObject& row, int column) const;
    // A cell's CP949 bytes: a view of the song's own text where the cell shows it as it is,
    // else of scratch, which the text is made in.
    std::string_view text(const RowObject& row, int column, std::string& scratch) const;

    bool miniList_;
    int pageKind_ = 0;
    std::vector<ColumnInfo> columns_;
    std::vector<RowObject> rows_;
    int current_ = -1;
    ListColors colors_;
    bool marking_ = true;
    struct Drag {
        std::uint64_t serial = 0; // 0: none runs
        std::vector<int> rows;
        int dropRow = -1;
    };
    mutable Drag drag_; // Qt starts a drag from the const mimeData
};

} // namespace kesto
