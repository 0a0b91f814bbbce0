#pragma once
// The clickable parts of cells: which click kinds a cell carries, where each is hot, and the
// message a click on it posts. A click is tested against the kinds in table order; the first hit wins.

#include "songs/song.h"

#include <array>
#include <cstdint>

namespace kesto {

enum class ClickKind : std::uint8_t {
    ListenIcon,
    DownloadLeft,
    DownloadRight,
    MiniSong,
    PhoneDeco,
    Lyrics,
    MusicVideo,
    Message,
    AlbumText,
    ArtistText,
    MvTitle,
    Resend,
    MvResend,
    MvDownload,
    GreyState,
};

enum class HotArea : std::uint8_t { Icon, LeftZone, RightZone, Text, StateIcon };

// The two words of a message the list sends about a row: which word carries the row is said
// here, once for the sending side, as the panel's message tables say it for the reading side.
struct RowWords {
    std::intptr_t first = 0;
    std::intptr_t second = 0;
    // A cell: the row in the first word, the column in the second.
    static RowWords cell(int row, int column) { return {row, column}; }
    // A row alone: the row in the second word.
    static RowWords rowOnly(int row) { return {0, row}; }
};

struct ClickAction {
    HotArea area = HotArea::Icon;
    unsigned message = 0;  // 0: no message (the grey-item notice)
    bool rowAlone = false; // the row alone (RowWords::rowOnly); else the cell
    bool delayed = false;  // reported after the phone-decoration timer
    bool handCursor = false;

    RowWords words(int row, int column) const {
        return rowAlone ? RowWords::rowOnly(row) : RowWords::cell(row, column);
    }
};

class ClickTable {
public:
    static constexpr int kIconWidth = 16;
    static constexpr int kStateIconLeft = 7;
    static constexpr int kStateIconRight = 23;
    static constexpr std::array<ClickKind, 15> kOrder = {
        ClickKind::ListenIcon, ClickKind::DownloadLeft, ClickKind::DownloadRight, ClickKind::MiniSong,
        ClickKind::PhoneDeco,  ClickKind::Lyrics,       ClickKind::MusicVideo,    ClickKind::Message,
        ClickKind::AlbumText,  ClickKind::ArtistText,   ClickKind::MvTitle,       ClickKind::Resend,
        ClickKind::MvResend,   ClickKind::MvDownload,   ClickKind::GreyState};

    static constexpr std::uint16_t bit(ClickKind kind) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(kind));
    }

    // Click flags of a cell, from its column kind and the row's record.
    static std::uint16_t flagsFor(int columnKind, int columnIndex, const Song& record, int pageKind,
                                  bool miniList);
    static ClickAction action(ClickKind kind, bool miniList);
    // True when x (relative to the cell's left edge) lies in the hot area of a cell of the given
    // width whose centred text is textWidth wide.
    static bool inHotArea(HotArea area, int x, int cellWidth, int textWidth);
};

} // namespace kesto
