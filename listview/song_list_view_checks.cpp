#include "listview/song_list_view.h"

#include "columns/cell_formatter.h"
#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/list_command_ids.h"
#include "columns/list_commands.h"
#include "columns/page_rules.h"
#include "columns/sort_rules.h"
#include "include/kesto/panel_api.h"
#include "include/kesto/window_message.h"
#include "listview/list_control_owner.h"
#include "listview/list_menus.h"
#include "listview/row_painter.h"
#include "listview/skin_scroll_bar.h"
#include "listview/song_list_accessible.h"
#include "listview/song_list_header.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "platform/screen_text.h"
#include "songs/panel_messages.h"

#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace kesto {

// ---- checks ----

bool SongListView::isChecked(int row) const {
    const RowObject* object = rows_.at(row);
    return object != nullptr && object->selected;
}

void SongListView::setRowChecked(int row, bool checked) {
    rows_.setSelected(row, checked);
    afterCheckChange();
    viewport()->update();
}

void SongListView::setAllChecked(bool on) {
    rows_.setAll(on);
    if (owner_.pageKind() == 1 || isMiniList())
        for (int row = 0; row < rowCount(); ++row)
            owner_.checkChanged(row, on);
    afterCheckChange();
    viewport()->update();
}

void SongListView::checkAll() {
    setAllChecked(true);
}

void SongListView::uncheckAll() {
    setAllChecked(false);
}

void SongListView::invertChecks() {
    rows_.invert();
    afterCheckChange();
    viewport()->update();
}

void SongListView::afterCheckChange() {
    const bool all = rows_.allChecked();
    if (isMiniList()) {
        owner_.allCheckedChanged(all);
        return;
    }
    for (int i = 0; i < columnCount(); ++i)
        if (header_->image(i) != SongListHeader::NoImage)
            header_->setImage(i, all ? SongListHeader::Checked : SongListHeader::Unchecked);
}

void SongListView::toggleCheck(int row, int column) {
    const bool checked = !rows_.at(row)->selected;
    rows_.setSelected(row, checked);
    if (checked)
        focusedRow_ = row;
    lastChangedRow_ = row;
    if (owner_.pageKind() == 1 || isMiniList())
        owner_.checkChanged(row, checked);
    port_.post(target_, msg::kToListControl, row, column);
    afterCheckChange();
    viewport()->update();
    SongListAccessible::checkChanged(this, row);
}

// ---- sorting ----

void SongListView::headerClicked(int column) {
    const int image = header_->image(column);
    if (image == SongListHeader::NoImage) {
        sortByColumn(column);
        return;
    }
    if (image == SongListHeader::Unchecked && rowCount() > 0)
        setAllChecked(true);
    else if (image == SongListHeader::Checked)
        setAllChecked(false);
}

void SongListView::sortByColumn(int column) {
    const bool ascending = !header_->sortAscending();
    const int pageKind = owner_.pageKind();
    if (column < 0 || column >= columnCount() ||
        !SortRules::isSortable(pageKind, column, owner_.rankSuppressed(), isMiniList()))
        return;
    header_->setSortState(column, ascending);
    // The rule and, for integer columns, the numbers are worked out once, not per comparison.
    const SortRules::Mode mode = SortRules::modeOf(pageKind, isMiniList(), column);
    // Texts a song holds as they are shown are compared in place; the others are made once.
    std::vector<std::string> made(static_cast<std::size_t>(rowCount()));
    std::vector<std::optional<std::string_view>> keys(made.size());
    for (int row = 0; row < rowCount(); ++row) {
        const RowObject& object = *rows_.at(row);
        const auto at = static_cast<std::size_t>(row);
        if (cells_.has(object, column))
            keys[at] =
                mode == SortRules::Mode::Equal ? std::string_view() : cells_.text(object, column, made[at]);
    }
    rows_.sortBy(keys, mode, ascending);
    renumberRows();
    owner_.rowsSorted();
    viewport()->update();
    SongListAccessible::rowsChanged(this);
}

void SongListView::renumberRows() {
    if (isMiniList() || PageRules::renumbersAfterSort(owner_.pageKind(), owner_.rankSuppressed()))
        renumberCells();
}

void SongListView::renumberCells() {
    // The number column and the mini list's song names show the row's number.
    for (int row = 0; row < rowCount(); ++row)
        rows_.at(row)->setNumber(row + 1);
}

} // namespace kesto
