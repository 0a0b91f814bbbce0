#include "listview/row_cells.h"

#include "columns/cell_formatter.h"
#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "listview/row_object.h"
#include "platform/screen_text.h"

namespace kesto {

bool RowCells::has(const RowObject& row, int column) const {
    return row.record() != nullptr && column >= 0 && column < static_cast<int>(columns_.size());
}

std::string_view RowCells::text(const RowObject& row, int column, std::string& scratch) const {
    if (!has(row, column))
        return {};
    if (const std::string* chosen = row.chosenText(column))
        return *chosen;
    const int kind = columns_[static_cast<std::size_t>(column)].kind;
    if (kind == col::kNumber) {
        scratch = std::to_string(row.number());
        return scratch;
    }
    const CellContext context{row.pageKind(), static_cast<int>(row.number() - 1), miniList_,
                              row.shortSizes()};
    const Song& record = *row.record();
    if (const std::optional<std::string_view> shown = CellFormatter::view(kind, record, context))
        return *shown;
    scratch = CellFormatter::format(kind, record, context);
    return scratch;
}

std::optional<RowCell> RowCells::cell(const RowObject& row, int column) const {
    if (!has(row, column))
        return std::nullopt;
    const int kind = columns_[static_cast<std::size_t>(column)].kind;
    const Song& record = *row.record();
    RowCell cell;
    std::string scratch;
    cell.text = text(row, column, scratch);
    cell.check = kind == col::kCheck ? (row.selected ? 1 : 0) : RowCell::kNoCheck;
    cell.clickFlags = ClickTable::flagsFor(kind, column, record, row.pageKind(), miniList_);
    cell.dropDown = row.dropDownColumn() == column;
    cell.pressed = row.isPressed(column);
    cell.singleIcon = col::isIconKind(kind) && kind != col::kDownload && kind != col::kCheck;
    cell.twoZone = kind == col::kDownload;
    if (kind == col::kRankChange) {
        CellFormatter::rankChange(record.view(SongField::Rank_Text), &cell.trend);
        cell.rankMark = cell.trend != RankTrend::None;
    }
    return cell;
}

QString RowCells::shownText(const RowObject& row, int column) const {
    std::string scratch;
    return onScreen(text(row, column, scratch));
}

QString RowCells::onScreen(std::string_view text) {
    return text.empty() ? QString() : ScreenText::fromCp949(text);
}

} // namespace kesto
