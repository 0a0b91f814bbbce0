#pragma once
// Where rows dragged within their own list end up: each dragged row, in the order recorded,
// goes in at the drop row and leaves its old place; the rows not dragged keep their order.

#include <vector>

namespace kesto {

class RowMove {
public:
    // The new order as old row indexes. dropRow -1 (or beyond the last row) means after the
    // last row; a drop row at or after the first dragged row counts one further down. Dragged
    // indexes out of range or repeated are passed over.
    static std::vector<int> order(int count, const std::vector<int>& dragged, int dropRow);
};

} // namespace kesto
