#pragma once
// The drop target of one song list: its answers while data is dragged over it and what a drop
// does, by what the data carries, the page the panel shows and whether the drag started here.
// The row under the pointer becomes the drop row of the list's drag state.

#include "columns/drop_rules.h"

class QMimeData;
class QPoint;

namespace kesto {

class SongListView;
class SongDragSource;

class SongDropTarget {
public:
    SongDropTarget(const SongListView& list, SongDragSource& drag) : list_(list), drag_(drag) {}

    DropEffect enter(const QMimeData& data) const;
    DropEffect over(const QMimeData& data, const QPoint& pos);
    // What the drop does, decided here once.
    DropDecision drop(const QMimeData& data, const QPoint& pos);

private:
    DropPlace place(const QMimeData& data) const;

    const SongListView& list_;
    SongDragSource& drag_;
};

} // namespace kesto
