#include "listview/song_list_view.h"

#include "columns/column_kind.h"
#include "columns/page_rules.h"
#include "columns/sort_rules.h"
#include "include/kesto/window_message.h"
#include "listview/song_list_header.h"
#include "listview/song_table_model.h"
#include "songs/panel_messages.h"

namespace kesto {

// ---- checks ----

void SongListView::tellChecks(int row, bool checked) {
    if (pageKind() == 1 || isMiniList())
        emit checkChanged(row, checked);
}

void SongListView::setAllChecked(bool on) {
    model_->setAllChecked(on);
    for (int row = 0; row < rowCount(); ++row)
        tellChecks(row, on);
}

void SongListView::followChecks() {
    // The view's selection is the ticks, as ranges of rows.
    QItemSelection ticked;
    for (int row = 0; row < rowCount(); ++row) {
        if (!model_->isChecked(row))
            continue;
        int last = row;
        while (model_->isChecked(last + 1))
            ++last;
        ticked.select(model_->index(row, 0), model_->index(last, std::max(columnCount() - 1, 0)));
        row = last;
    }
    followingChecks_ = true;
    selectionModel()->select(ticked, QItemSelectionModel::ClearAndSelect);
    followingChecks_ = false;
    const bool all = model_->allChecked();
    if (isMiniList()) {
        emit allCheckedChanged(all);
        return;
    }
    for (int i = 0; i < columnCount(); ++i)
        if (header_->image(i) != SongListHeader::NoImage)
            header_->setImage(i, all ? SongListHeader::Checked : SongListHeader::Unchecked);
}

void SongListView::selectionTicks(const QItemSelection& selected, const QItemSelection& deselected) {
    if (followingChecks_)
        return;
    const int column = std::max(checkColumn(), 0);
    for (const auto& [ranges, on] : {std::pair{selected, true}, std::pair{deselected, false}})
        for (const QItemSelectionRange& range : ranges)
            for (int row = range.top(); row <= range.bottom(); ++row)
                if (model_->isChecked(row) != on)
                    toggleCheck(row, column);
    followChecks();
}

void SongListView::toggleCheck(int row, int column) {
    const bool checked = !model_->isChecked(row);
    model_->setChecked(row, checked);
    if (checked)
        setFocusedRow(row);
    tellChecks(row, checked);
    if (column >= 0)
        port_.post(target_, msg::kToListControl, row, column);
}

// ---- sorting ----

void SongListView::headerClicked(int column) {
    const int image = header_->image(column);
    if (image == SongListHeader::NoImage)
        sortByColumn(column);
    else if (image == SongListHeader::Unchecked && rowCount() > 0)
        setAllChecked(true);
    else if (image == SongListHeader::Checked)
        setAllChecked(false);
}

void SongListView::sortByColumn(int column) {
    const bool ascending = !header_->sortAscending();
    if (column < 0 || column >= columnCount() ||
        !SortRules::isSortable(pageKind(), column, rankSuppressed_, isMiniList()))
        return;
    header_->setSortState(column, ascending);
    const int focused = focusedRow(); // the reset of a new order forgets it: it keeps its place
    model_->sortBy(column, SortRules::modeOf(pageKind(), isMiniList(), column), ascending);
    setFocusedRow(focused);
    if (isMiniList() || PageRules::renumbersAfterSort(pageKind(), rankSuppressed_))
        model_->renumber();
    emit rowsSorted();
}

} // namespace kesto
