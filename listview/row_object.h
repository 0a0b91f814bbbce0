#pragma once
// One row of the song list: its song and the little the list keeps per row (its tick, its
// number, the drop-down cell). Cell texts are made from the song when asked (SongTableModel),
// so a row costs a few dozen bytes whatever the columns; rows are kept by value.

#include "songs/song.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kesto {

class RowObject {
public:
    // A record the row does not own (it lives in a song store) or one it keeps.
    explicit RowObject(Song* record) : record_(record) {}
    explicit RowObject(std::unique_ptr<Song> record) : owned_(std::move(record)), record_(owned_.get()) {}

    Song* record() const { return record_; }
    // Points a row that does not own its record at another one showing the same song.
    void rebind(Song* record) { record_ = owned_ ? record_ : record; }
    bool isGrey() const { return record_ != nullptr && record_->isGrey(); }

    // Fills the row again (sizes short in a single refreshed row): its drop-down mark and chosen
    // entry go, the entries stay as the list set them.
    void fill(std::int64_t number, bool shortSizes) {
        number_ = number;
        shortSizes_ = shortSizes;
        if (dropDown_)
            *dropDown_ = {-1, dropDown_->entries, std::nullopt};
    }
    std::int64_t number() const { return number_; }
    void setNumber(std::int64_t number) { number_ = number; }
    bool shortSizes() const { return shortSizes_; }

    // The drop-down cell: its column (-1 when none), its entries and the chosen entry's text.
    int dropDownColumn() const { return dropDown_ ? dropDown_->column : -1; }
    void setDropDown(int column, const QStringList& entries) {
        dropDown_ = std::make_unique<DropDown>(DropDown{column, entries, std::nullopt});
    }
    QStringList choices() const { return dropDown_ ? dropDown_->entries : QStringList(); }
    const std::string* chosenText(int column) const {
        return column >= 0 && column == dropDownColumn() && dropDown_->chosen ? &*dropDown_->chosen : nullptr;
    }
    void setChosenText(std::string text) {
        if (dropDown_)
            dropDown_->chosen = std::move(text);
    }

    bool selected = false; // the tick, which is the row's selection

private:
    // Few rows have a drop-down cell: the others pay one pointer.
    struct DropDown {
        int column = -1;
        QStringList entries;
        std::optional<std::string> chosen;
    };

    std::unique_ptr<Song> owned_;
    Song* record_ = nullptr;
    std::unique_ptr<DropDown> dropDown_;
    std::int64_t number_ = 0;
    bool shortSizes_ = false;
};

} // namespace kesto
