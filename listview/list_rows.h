#pragma once
// The rows of the song list in display order, each with its row object. A row's check boxes
// show its selection: checking selects, unchecking deselects.

#include "columns/sort_rules.h"
#include "listview/row_object.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kesto {

class ListRows {
public:
    int count() const { return static_cast<int>(rows_.size()); }
    bool valid(int row) const { return row >= 0 && row < count(); }
    RowObject* at(int row) const { return valid(row) ? rows_[static_cast<std::size_t>(row)].get() : nullptr; }

    void reserve(std::size_t n) { rows_.reserve(n); }
    // Appends when row is out of range; returns the row's index.
    int insert(int row, std::unique_ptr<RowObject> object);
    bool remove(int row);
    void clear() { rows_.clear(); }

    void setSelected(int row, bool on);
    void selectOnly(int row);
    void setAll(bool on);
    void invert();
    bool allChecked() const;
    int selectedCount() const;
    std::vector<int> selectedRows() const;

    void setCurrent(int row);
    int current() const;

    // Puts the rows in this order of their old indexes (a permutation of all rows).
    void reorder(const std::vector<int>& order);

    // Stable sort by one text a row (keys[i] for row i) compared as mode says; a row without
    // one sorts first.
    void sortBy(std::span<const std::optional<std::string_view>> keys, SortRules::Mode mode, bool ascending);

private:
    std::vector<std::unique_ptr<RowObject>> rows_;
};

} // namespace kesto
