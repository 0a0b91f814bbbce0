#include "listview/song_list_cell_accessible.h"

#include "listview/row_object.h"
#include "listview/song_list_accessible.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"

namespace kesto {

SongListCellAccessible::SongListCellAccessible(SongListView* list, int row, int column)
    : list_(list), row_(row), column_(column) {}

bool SongListCellAccessible::isValid() const {
    return !list_.isNull() && row_ < list_->rowCount() && column_ < list_->columnCount();
}

SongListAccessible* SongListCellAccessible::tableInterface() const {
    if (list_.isNull())
        return nullptr;
    return static_cast<SongListAccessible*>(QAccessible::queryAccessibleInterface(list_.data()));
}

QAccessibleInterface* SongListCellAccessible::parent() const {
    return tableInterface();
}

int SongListCellAccessible::columnIndex() const {
    const SongListAccessible* table = tableInterface();
    return table != nullptr ? table->visibleColumn(column_) : -1;
}

bool SongListCellAccessible::isCheckBox() const {
    if (!isValid())
        return false;
    const std::optional<RowCell> cell = list_->cell(row_, column_);
    return cell && cell->check != RowCell::kNoCheck;
}

QString SongListCellAccessible::text(QAccessible::Text t) const {
    if (!isValid())
        return {};
    if (t == QAccessible::Name) {
        // A check box is named by its column; the state says whether it is ticked.
        const QString shown = list_->cellText(row_, column_);
        return shown.isEmpty() && isCheckBox() ? list_->header()->title(column_) : shown;
    }
    if (t == QAccessible::Description)
        return list_->header()->title(column_);
    return {};
}

QRect SongListCellAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect cell = list_->cellRect(row_, column_);
    return QRect(list_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State SongListCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.multiSelectable = true;
    state.selected = list_->isChecked(row_);
    state.focused = list_->hasFocus() && list_->focusedRow() == row_;
    const QRect cell = list_->cellRect(row_, column_);
    state.invisible = !cell.isValid() || !list_->viewport()->rect().intersects(cell);
    state.offscreen = state.invisible;
    if (isCheckBox()) {
        state.checkable = true;
        state.checked = list_->isChecked(row_);
    }
    return state;
}

void* SongListCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

bool SongListCellAccessible::isSelected() const {
    return isValid() && list_->isChecked(row_);
}

QStringList SongListCellAccessible::actionNames() const {
    QStringList names{setFocusAction()};
    if (isCheckBox())
        names.prepend(toggleAction());
    return names;
}

void SongListCellAccessible::doAction(const QString& actionName) {
    if (!isValid())
        return;
    if (actionName == toggleAction() && isCheckBox()) {
        list_->setFocusedRow(row_);
        list_->toggleRow(row_);
    } else if (actionName == setFocusAction()) {
        list_->setFocus(Qt::OtherFocusReason);
        list_->setFocusedRow(row_);
    }
}

QStringList SongListCellAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == toggleAction())
        return {QStringLiteral("Space")};
    return {};
}

} // namespace kesto
