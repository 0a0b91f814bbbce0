#include "columns/row_move.h"

#include <algorithm>
#include <numeric>

namespace kesto {

std::vector<int> RowMove::order(int count, const std::vector<int>& dragged, int dropRow) {
    std::vector<int> rows(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(rows.begin(), rows.end(), 0);
    std::vector<int> pending;
    for (int row : dragged)
        if (row >= 0 && row < count && std::find(pending.begin(), pending.end(), row) == pending.end())
            pending.push_back(row);
    if (pending.empty())
        return rows;
    int at = dropRow < 0 ? count : dropRow;
    if (dropRow >= 0 && dropRow >= pending.front())
        ++at;
    at = std::min(at, count);
    for (std::size_t k = 0; k < pending.size(); ++k) {
        int old = pending[k];
        rows.insert(rows.begin() + at, rows[static_cast<std::size_t>(old)]);
        if (old >= at)
            ++old;
        rows.erase(rows.begin() + old);
        // The rows still to move shifted with the insertion and the removal.
        for (std::size_t j = k + 1; j < pending.size(); ++j) {
            int& row = pending[j];
            if (row >= at)
                ++row;
            if (row > old)
                --row;
        }
        // The next row goes in just after this one.
        if (old > at)
            ++at;
    }
    return rows;
}

} // namespace kesto
