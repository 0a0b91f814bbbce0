#pragma once
// The item data of one list row: its song record and one cell per column. The texts shown on
// screen are converted from CP949 once, the first time the row is drawn.

#include "columns/row_cell.h"
#include "songs/song.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kesto {

class RowObject {
public:
    // A record the row does not own (it lives in a song store) or one it keeps.
    explicit RowObject(Song* record) : record_(record) {}
    explicit RowObject(std::unique_ptr<Song> record) : owned_(std::move(record)), record_(owned_.get()) {}

    Song* record() const { return record_; }
    // Points a row that does not own its record at another one showing the same song.
    void rebind(Song* record) {
        if (!owned_)
            record_ = record;
    }
    std::vector<RowCell>& cells() { return cells_; }
    const std::vector<RowCell>& cells() const { return cells_; }
    RowCell* cell(int column);
    const RowCell* cell(int column) const;

    // The text of a cell as drawn; empty for a column the row has no cell for.
    const QString& shownText(int column) const;
    void setText(int column, std::string text);
    void forgetShownTexts() { shown_.clear(); }

    bool selected = false;
    bool current = false;
    bool unavailable = false; // drawn grey whatever the record says
    QStringList choices;      // entries of the row's drop-down cell

    bool isGrey() const { return unavailable || (record_ != nullptr && record_->isGrey()); }

private:
    std::unique_ptr<Song> owned_;
    Song* record_ = nullptr;
    std::vector<RowCell> cells_;
    mutable std::vector<QString> shown_;
};

} // namespace kesto
