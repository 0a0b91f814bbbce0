#pragma once
// The drag state of one song list: whether a drag started here runs, which rows it carries
// (the selected rows in list order, their songs kept in the drag table while the drag runs),
// and the row a drop on this list would go to.

#include "songs/song.h"

#include <cstdint>
#include <memory>
#include <vector>

class QMimeData;

namespace kesto {

class SongListView;

class SongDragSource {
public:
    explicit SongDragSource(const SongListView& list) : list_(list) {}

    // The data a drag of the selected rows offers, or null when none may start (a device page,
    // no selection, a row without a record). Records the rows and sets the dragging flag.
    std::unique_ptr<QMimeData> begin();
    // The drag ended: the flag is cleared and the table lets the songs go; the rows stay for a
    // move.
    void end();

    bool dragging() const { return dragging_; }
    // True when the data is this list's running drag.
    bool startedHere(const QMimeData& data) const;
    const std::vector<int>& rows() const { return rows_; }
    void forgetRows() { rows_.clear(); }
    int dropRow() const { return dropRow_; }
    void setDropRow(int row) { dropRow_ = row; }

private:
    const SongListView& list_;
    bool dragging_ = false;
    std::uint64_t serial_ = 0;
    std::vector<int> rows_;
    int dropRow_ = -1;
};

} // namespace kesto
