#pragma once
// The item data of one list row: its song and the little the list keeps per row (its tick, its
// number, the drop-down cell). The cell texts are made from the song when they are needed
// (SongTableModel), so a row costs a few dozen bytes whatever the columns; rows are kept by value.

#include "songs/song.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

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

    // Fills the row for a page kind: its number, and whether sizes show in the short form of a
    // single refreshed row. Filling again drops the drop-down mark and a chosen entry.
    void fill(std::int64_t number, int pageKind, bool shortSizes);
    std::int64_t number() const { return number_; }
    void setNumber(std::int64_t number) { number_ = number; }
    int pageKind() const { return pageKind_; }
    bool shortSizes() const { return shortSizes_; }

    // The drop-down cell: its column (-1 when none), its entries, and the text of the entry
    // chosen in it (null until one is).
    int dropDownColumn() const { return dropDown_ ? dropDown_->column : -1; }
    void setDropDown(int column, const QStringList& entries);
    const QStringList& choices() const;
    const std::string* chosenText(int column) const;
    void setChosenText(int column, std::string text);

    bool selected = false; // the tick, which is the row's selection

    bool isGrey() const { return record_ != nullptr && record_->isGrey(); }

private:
    // Few rows have a drop-down cell: the others pay one pointer.
    struct DropDown {
        int column = -1;
        int chosenColumn = -1;
        std::string chosen;
        QStringList choices;
    };
    DropDown& dropDown();

    std::unique_ptr<Song> owned_;
    Song* record_ = nullptr;
    std::unique_ptr<DropDown> dropDown_;
    std::int64_t number_ = 0;
    std::int16_t pageKind_ = 0;
    bool shortSizes_ = false;
};

} // namespace kesto
