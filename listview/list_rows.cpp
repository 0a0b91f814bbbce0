#include "listview/list_rows.h"

#include <algorithm>

namespace kesto {

int ListRows::insert(int row, std::unique_ptr<RowObject> object) {
    if (!valid(row)) {
        rows_.push_back(std::move(object));
        return count() - 1;
    }
    rows_.insert(rows_.begin() + row, std::move(object));
    return row;
}

bool ListRows::remove(int row) {
    if (!valid(row))
        return false;
    rows_.erase(rows_.begin() + row);
    return true;
}

void ListRows::setSelected(int row, bool on) {
    RowObject* object = at(row);
    if (object == nullptr)
        return;
    object->selected = on;
}

void ListRows::selectOnly(int row) {
    for (int i = 0; i < count(); ++i)
        if (rows_[static_cast<std::size_t>(i)]->selected != (i == row))
            setSelected(i, i == row);
}

void ListRows::setAll(bool on) {
    for (int i = 0; i < count(); ++i)
        setSelected(i, on);
}

void ListRows::invert() {
    for (int i = 0; i < count(); ++i)
        setSelected(i, !rows_[static_cast<std::size_t>(i)]->selected);
}

bool ListRows::allChecked() const {
    return !rows_.empty() &&
           std::all_of(rows_.begin(), rows_.end(), [](const auto& r) { return r->selected; });
}

int ListRows::selectedCount() const {
    return static_cast<int>(std::count_if(
        rows_.begin(), rows_.end(), [](const auto& r) { return r->record() != nullptr && r->selected; }));
}

std::vector<int> ListRows::selectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i)
        if (rows_[static_cast<std::size_t>(i)]->selected)
            rows.push_back(i);
    return rows;
}

void ListRows::setCurrent(int row) {
    for (int i = 0; i < count(); ++i)
        rows_[static_cast<std::size_t>(i)]->current = i == row;
}

int ListRows::current() const {
    for (int i = 0; i < count(); ++i)
        if (rows_[static_cast<std::size_t>(i)]->current)
            return i;
    return -1;
}

void ListRows::reorder(const std::vector<int>& order) {
    if (order.size() != rows_.size())
        return;
    std::vector<std::unique_ptr<RowObject>> moved;
    moved.reserve(rows_.size());
    for (int old : order)
        moved.push_back(std::move(rows_[static_cast<std::size_t>(old)]));
    rows_ = std::move(moved);
}

void ListRows::sortBy(std::span<const std::optional<std::string_view>> keys, SortRules::Mode mode,
                      bool ascending) {
    if (keys.size() != rows_.size())
        return;
    const bool byNumber = mode == SortRules::Mode::Integer;
    struct Key {
        std::unique_ptr<RowObject> row;
        const std::string_view* text;
        int number;
    };
    std::vector<Key> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::string_view* text = keys[i] ? &*keys[i] : nullptr;
        const int number = byNumber && text != nullptr ? SortRules::leadingInt(*text) : 0;
        sorted.push_back({std::move(rows_[i]), text, number});
    }
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Key& a, const Key& b) {
        if (a.text == nullptr || b.text == nullptr)
            return a.text == nullptr && b.text != nullptr;
        if (byNumber)
            return ascending ? a.number < b.number : b.number < a.number;
        const int order = SortRules::compareAs(mode, *a.text, *b.text);
        return ascending ? order < 0 : order > 0;
    });
    for (std::size_t i = 0; i < sorted.size(); ++i)
        rows_[i] = std::move(sorted[i].row);
}

} // namespace kesto
