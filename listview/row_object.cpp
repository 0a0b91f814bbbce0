#include "listview/row_object.h"

#include "platform/screen_text.h"

namespace kesto {

RowCell* RowObject::cell(int column) {
    return column >= 0 && column < static_cast<int>(cells_.size()) ? &cells_[static_cast<std::size_t>(column)]
                                                                   : nullptr;
}

const RowCell* RowObject::cell(int column) const {
    return const_cast<RowObject*>(this)->cell(column);
}

const QString& RowObject::shownText(int column) const {
    static const QString none;
    if (column < 0 || column >= static_cast<int>(cells_.size()))
        return none;
    if (shown_.size() != cells_.size()) {
        shown_.clear();
        shown_.reserve(cells_.size());
        for (const RowCell& c : cells_)
            shown_.push_back(c.text.empty() ? QString() : ScreenText::fromCp949(c.text));
    }
    return shown_[static_cast<std::size_t>(column)];
}

void RowObject::setText(int column, std::string text) {
    if (RowCell* c = cell(column)) {
        c->text = std::move(text);
        shown_.clear();
    }
}

} // namespace kesto
