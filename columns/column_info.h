#pragma once
// One column of a page's column set. A set is kept in column-index order and may be closed by
// the END record.

#include "songs/song_record.h"

#include <cstdint>
#include <string_view>

namespace kesto {

struct ColumnInfo {
    static constexpr std::uint16_t kEndIndex = 65535;
    // Room the list view keeps for one page's columns.
    static constexpr int kMaxColumns = 30;

    std::uint16_t displayIndex = 0;
    char title[20] = {};
    std::int16_t width = 0;
    int kind = 0;
    int hidden = 0; // 0 shown, 1 hidden

    static ColumnInfo make(std::uint16_t index, std::string_view titleCp949, int width, int kind) {
        ColumnInfo info;
        info.displayIndex = index;
        copyField(info.title, titleCp949);
        info.width = static_cast<std::int16_t>(width);
        info.kind = kind;
        return info;
    }
    static ColumnInfo end() { return make(kEndIndex, "END", 0, 0); }
    bool isEnd() const { return displayIndex == kEndIndex; }
    std::string_view titleView() const { return title; }
};

} // namespace kesto
