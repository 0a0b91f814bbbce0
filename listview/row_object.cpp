#include "listview/row_object.h"

namespace kesto {

void RowObject::fill(std::int64_t number, int pageKind, bool shortSizes) {
    number_ = number;
    pageKind_ = static_cast<std::int16_t>(pageKind);
    shortSizes_ = shortSizes;
    if (dropDown_) { // the entries stay, as the list set them
        dropDown_->column = dropDown_->chosenColumn = -1;
        dropDown_->chosen.clear();
    }
}

RowObject::DropDown& RowObject::dropDown() {
    if (!dropDown_)
        dropDown_ = std::make_unique<DropDown>();
    return *dropDown_;
}

void RowObject::setDropDown(int column, const QStringList& entries) {
    DropDown& cell = dropDown();
    cell.column = column;
    cell.choices = entries;
}

const QStringList& RowObject::choices() const {
    static const QStringList none;
    return dropDown_ ? dropDown_->choices : none;
}

const std::string* RowObject::chosenText(int column) const {
    return dropDown_ && column >= 0 && dropDown_->chosenColumn == column ? &dropDown_->chosen : nullptr;
}

void RowObject::setChosenText(int column, std::string text) {
    DropDown& cell = dropDown();
    cell.chosenColumn = column;
    cell.chosen = std::move(text);
}

} // namespace kesto
