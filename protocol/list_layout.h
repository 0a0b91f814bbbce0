#pragma once
// The reply layouts of server lists: where the header values sit, where rows start, how far
// apart they are and which song field each row field fills.

#include "protocol/field_cursor.h"
#include "protocol/field_decoder.h"
#include "songs/song_builder.h"

#include <array>
#include <span>
#include <string_view>

namespace kesto {

// Where a row's fields are decoded when they need it: one scratch a text field, so that what
// one field decodes stays in place until the song is packed, and one for the numbers.
struct RowScratch {
    std::array<FieldDecoder::Scratch, kSongTextCount> texts;
    FieldDecoder::Scratch numbers;
};

// One field of a row: decodes the field as it came in the reply straight into its place in
// the song being built, by its rule (a value text, a raw text or a number).
struct RowField {
    void (*store)(SongBuilder& song, const FieldCursor::Field& field, RowScratch& scratch);
};

enum class MenuIdSource { Header, Row, None };

struct ListLayout {
    static constexpr int kNone = -1;

    int pageKind;
    int listCodeField;    // kNone: the header has no list code
    int headerTextField;  // kNone: no header text
    int headerText2Field; // kNone: no second header text
    int headerIntFields;  // integers after field 0: 2, or 3 in search replies
    int firstRow;
    int stride;
    int minimumFields;
    std::span<const RowField> fields; // may be longer than stride: rows then overlap
    MenuIdSource menuId = MenuIdSource::Header;
    bool listCodeOnlyWhenNotEmpty = false;
    bool setsListMenuCode = true;
    bool setsItemTypeOne = false;
    bool setsNoRankFlag = false;
    bool headerTextIsSearchAddress = false;

    // The layout of a page kind, or null when its replies are not parsed.
    static const ListLayout* forPageKind(int pageKind);
};

} // namespace kesto
