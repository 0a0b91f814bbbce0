#include "protocol/list_layout.h"

#include "protocol/field_decoder.h"

#include <array>

namespace kesto {

namespace {

// A decoded text is a view of the reply or of the field's own scratch: both stay as they are
// until the song is packed. Only a field that held a NUL needs a look for one.
void put(SongBuilder& song, SongField field, std::string_view decoded, const FieldCursor::Field& f) {
    if (f.nul)
        song.setText(field, decoded);
    else
        song.setPlainText(field, decoded);
}

FieldDecoder::Scratch& scratchOf(RowScratch& scratch, SongField field) {
    return scratch.texts[static_cast<std::size_t>(field)];
}

// "NULL" empty, percent-decoded.
template <SongField Field> void storeValue(SongBuilder& song, const FieldCursor::Field& f, RowScratch& s) {
    put(song, Field, FieldDecoder::valueOf(f, scratchOf(s, Field)), f);
}
// As it came, after character references.
template <SongField Field> void storeRaw(SongBuilder& song, const FieldCursor::Field& f, RowScratch& s) {
    put(song, Field, FieldDecoder::rawOf(f, scratchOf(s, Field)), f);
}
template <auto Member> void storeNumber(SongBuilder& song, const FieldCursor::Field& f, RowScratch& s) {
    song.song().*Member = FieldDecoder::numberOf(f, s.numbers);
}

template <SongField Field> constexpr RowField text() {
    return {&storeValue<Field>};
}
template <SongField Field> constexpr RowField raw() {
    return {&storeRaw<Field>};
}
template <auto Member> constexpr RowField number() {
    return {&storeNumber<Member>};
}

using F = SongField;
using R = Song;

constexpr std::array kMyAlbumRow = {
    text<F::Song_ID>(),      text<F::Service_Flags>(), text<F::Song_Name>(),  number<&R::Play_Time>(),
    text<F::Source_ID>(),    text<F::Source>(),        text<F::Artist_ID>(),  text<F::Artist_Name>(),
    text<F::Album_ID>(),     text<F::Album_Name>(),    text<F::Added_Date>(), number<&R::Phone_Deco>(),
    number<&R::Has_Lyrics>()};

constexpr std::array kPurchaseRow = {
    text<F::Song_ID>(),       text<F::Service_Flags>(), text<F::Song_Name>(),     number<&R::Play_Time>(),
    text<F::Quality_Flags>(), text<F::Artist_ID>(),     text<F::Artist_Name>(),   text<F::Album_ID>(),
    text<F::Album_Name>(),    number<&R::List_Value>(), text<F::Purchase_Time>(), text<F::Expire_Date>(),
    number<&R::Phone_Deco>(), number<&R::Has_Lyrics>(), number<&R::Serviceable>()};

constexpr std::array kGiftRow = {
    text<F::Gift_Peer>(),   text<F::Row_Text>(),      text<F::Song_ID>(),       text<F::Service_Flags>(),
    text<F::Song_Name>(),   number<&R::Play_Time>(),  text<F::Quality_Flags>(), text<F::Artist_ID>(),
    text<F::Artist_Name>(), text<F::Album_ID>(),      text<F::Album_Name>(),    text<F::Date_1>(),
    text<F::Date_2>(),      number<&R::Phone_Deco>(), number<&R::Has_Lyrics>(), number<&R::Has_Message>(),
    text<F::Date_3>(),      text<F::Extra_Text>()};

constexpr std::array kAlbumRow = {text<F::Song_ID>(),      text<F::Service_Flags>(), text<F::Song_Name>(),
                                  number<&R::Play_Time>(), text<F::Artist_ID>(),     text<F::Artist_Name>(),
                                  text<F::Album_ID>(),     text<F::Album_Name>(),    number<&R::Phone_Deco>(),
                                  number<&R::Has_Lyrics>()};

constexpr std::array kServiceListRow = {
    text<F::Song_ID>(),         text<F::Service_Flags>(), text<F::Song_Name>(),     number<&R::Play_Time>(),
    text<F::Quality_Flags>(),   text<F::Artist_ID>(),     text<F::Artist_Name>(),   text<F::Album_ID>(),
    text<F::Album_Name>(),      number<&R::Phone_Deco>(), number<&R::Has_Lyrics>(), text<F::Last_Play_Time>(),
    number<&R::Listen_Count>(), raw<F::Rank_Text>()};

constexpr std::array kSearchRow = {text<F::Song_ID>(),       text<F::Service_Flags>(), text<F::Song_Name>(),
                                   number<&R::Play_Time>(),  text<F::Quality_Flags>(), text<F::Artist_ID>(),
                                   text<F::Artist_Name>(),   text<F::Album_ID>(),      text<F::Album_Name>(),
                                   number<&R::Phone_Deco>(), number<&R::Has_Lyrics>()};

constexpr std::array kCartRow = {number<&R::Item_Type>(), text<F::Song_ID>(),       text<F::Cart_Item_ID>(),
                                 text<F::Menu_ID>(),      text<F::Service_Flags>(), text<F::Song_Name>(),
                                 number<&R::Play_Time>(), text<F::Quality_Flags>(), text<F::Artist_ID>(),
                                 text<F::Artist_Name>(),  text<F::Album_ID>(),      text<F::Album_Name>(),
                                 number<&R::Cart_Value>()};

constexpr std::array kRingToneRow = {text<F::Song_ID>(),       text<F::Service_Flags>(),
                                     text<F::Song_Name>(),     number<&R::Play_Time>(),
                                     text<F::Quality_Flags>(), text<F::Artist_ID>(),
                                     text<F::Artist_Name>(),   text<F::Album_ID>(),
                                     text<F::Album_Name>(),    number<&R::List_Value>(),
                                     text<F::Section_Start>(), text<F::Section_End>(),
                                     text<F::Download_Date>(), text<F::Free_Download_Period>(),
                                     text<F::Transaction_ID>()};

constexpr std::array kMvCartRow = {
    number<&R::Item_Type>(), text<F::MV_ID>(),       text<F::MV_Name>(),
    text<F::Artist_ID>(),    text<F::Artist_Name>(), text<F::Cast>(),
    text<F::Cart_Item_ID>(), text<F::MV_Size>(),     number<&R::Serviceable>()};

constexpr std::array kMvPurchaseRow = {text<F::MV_ID>(),        text<F::MV_Name>(), text<F::Artist_ID>(),
                                       text<F::Artist_Name>(),  text<F::Cast>(),    text<F::MV_Size>(),
                                       text<F::Purchase_Time>()};

constexpr int kNone = ListLayout::kNone;

constexpr ListLayout myAlbum(int kind) {
    ListLayout layout{kind, 3, kNone, kNone, 2, 4, 13, 17, kMyAlbumRow};
    layout.setsItemTypeOne = true;
    return layout;
}
constexpr ListLayout purchase(int kind) {
    return {kind, 4, 3, kNone, 2, 5, 15, 5, kPurchaseRow};
}
constexpr ListLayout gift(int kind) {
    ListLayout layout{kind, 3, kNone, kNone, 2, 4, 18, 20, kGiftRow};
    layout.setsItemTypeOne = true;
    return layout;
}
constexpr ListLayout serviceList(int kind) {
    ListLayout layout{kind, 4, 3, 5, 2, 6, 14, 4, kServiceListRow};
    layout.setsNoRankFlag = true;
    return layout;
}
constexpr ListLayout albumList() {
    return {16, 4, 3, kNone, 2, 5, 10, 5, kAlbumRow};
}
constexpr ListLayout themeList() {
    return {21, 3, 4, kNone, 2, 5, 10, 15, kAlbumRow};
}
constexpr ListLayout searchList() {
    ListLayout layout{22, 4, 5, kNone, 3, 6, 12, 5, kSearchRow};
    layout.headerTextIsSearchAddress = true;
    return layout;
}
constexpr ListLayout cart() {
    ListLayout layout{23, kNone, 3, kNone, 2, 4, 13, 17, kCartRow};
    layout.menuId = MenuIdSource::Row;
    return layout;
}
constexpr ListLayout ringTones() {
    ListLayout layout{28, 3, 4, kNone, 2, 5, 15, 5, kRingToneRow};
    layout.setsListMenuCode = false;
    return layout;
}
// Rows are nine fields long but eight apart, and the first starts on the header text: the
// last field of a row is the first of the next.
constexpr ListLayout mvCart() {
    ListLayout layout{29, 3, 4, kNone, 2, 4, 8, 5, kMvCartRow};
    layout.menuId = MenuIdSource::None;
    layout.listCodeOnlyWhenNotEmpty = true;
    layout.setsListMenuCode = false;
    return layout;
}
constexpr ListLayout mvPurchases() {
    ListLayout layout{30, 3, 4, kNone, 2, 5, 8, 0, kMvPurchaseRow};
    layout.setsListMenuCode = false;
    return layout;
}

constexpr std::array kLayouts = {
    myAlbum(2),   myAlbum(3),  purchase(7),     purchase(8),     purchase(9),     gift(10),
    gift(11),     albumList(), serviceList(17), serviceList(18), serviceList(19), themeList(),
    searchList(), cart(),      ringTones(),     mvCart(),        mvPurchases()};

} // namespace

const ListLayout* ListLayout::forPageKind(int pageKind) {
    for (const auto& layout : kLayouts)
        if (layout.pageKind == pageKind)
            return &layout;
    return nullptr;
}

} // namespace kesto
