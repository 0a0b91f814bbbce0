#pragma once
// The cells of the list's rows, made from each row's song whenever a row is drawn, measured,
// sorted, searched or read aloud: rows keep no texts, so a long list costs little memory.

#include "columns/column_info.h"
#include "columns/row_cell.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class RowObject;

class RowCells {
public:
    RowCells(const std::vector<ColumnInfo>& columns, bool miniList)
        : columns_(columns), miniList_(miniList) {}

    // A row has a cell in every column of the table once it has a song.
    bool has(const RowObject& row, int column) const;
    std::optional<RowCell> cell(const RowObject& row, int column) const;
    // A cell's CP949 bytes: a view of the song's own text where the cell shows it as it is,
    // else of scratch, which the text is made in.
    std::string_view text(const RowObject& row, int column, std::string& scratch) const;
    // The text as shown on screen.
    QString shownText(const RowObject& row, int column) const;
    static QString onScreen(std::string_view text);

private:
    const std::vector<ColumnInfo>& columns_;
    bool miniList_;
};

} // namespace kesto
