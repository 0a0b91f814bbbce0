#include "protocol/list_layout.h"

#include "protocol/field_decoder.h"

#include <array>

namespace kesto {

namespace {

// "NULL" empty, percent-decoded.
template <auto Member>
void storeValue(SongRecord& record, const FieldCursor::Field& f, FieldDecoder::Scratch& s) {
    FieldDecoder::valueInto(record.*Member, sizeof(record.*Member), f.text, f.plain, s);
}
// As it came, after character references.
template <auto Member>
void storeRaw(SongRecord& record, const FieldCursor::Field& f, FieldDecoder::Scratch& s) {
    FieldDecoder::rawInto(record.*Member, sizeof(record.*Member), f.text, f.plain, s);
}
template <auto Member>
void storeNumber(SongRecord& record, const FieldCursor::Field& f, FieldDecoder::Scratch& s) {
    record.*Member = FieldDecoder::numberOf(f.text, f.plain, s);
}

template <auto Member> constexpr RowField text() {
    return {&storeValue<Member>};
}
template <auto Member> constexpr RowField raw() {
    return {&storeRaw<Member>};
}
template <auto Member> constexpr RowField number() {
    return {&storeNumber<Member>};
}

using R = SongRecord;

constexpr std::array kMyAlbumRow = {
    text<&R::Song_ID>(),     text<&R::Service_Flags>(), text<&R::Song_Name>(),  number<&R::Play_Time>(),
    text<&R::Source_ID>(),   text<&R::Source>(),        text<&R::Artist_ID>(),  text<&R::Artist_Name>(),
    text<&R::Album_ID>(),    text<&R::Album_Name>(),    text<&R::Added_Date>(), number<&R::Phone_Deco>(),
    number<&R::Has_Lyrics>()};

constexpr std::array kPurchaseRow = {
    text<&R::Song_ID>(),       text<&R::Service_Flags>(), text<&R::Song_Name>(),     number<&R::Play_Time>(),
    text<&R::Quality_Flags>(), text<&R::Artist_ID>(),     text<&R::Artist_Name>(),   text<&R::Album_ID>(),
    text<&R::Album_Name>(),    number<&R::List_Value>(),  text<&R::Purchase_Time>(), text<&R::Expire_Date>(),
    number<&R::Phone_Deco>(),  number<&R::Has_Lyrics>(),  number<&R::Serviceable>()};

constexpr std::array kGiftRow = {
    text<&R::Gift_Peer>(),   text<&R::Row_Text>(),     text<&R::Song_ID>(),       text<&R::Service_Flags>(),
    text<&R::Song_Name>(),   number<&R::Play_Time>(),  text<&R::Quality_Flags>(), text<&R::Artist_ID>(),
    text<&R::Artist_Name>(), text<&R::Album_ID>(),     text<&R::Album_Name>(),    text<&R::Date_1>(),
    text<&R::Date_2>(),      number<&R::Phone_Deco>(), number<&R::Has_Lyrics>(),  number<&R::Has_Message>(),
    text<&R::Date_3>(),      text<&R::Extra_Text>()};

constexpr std::array kAlbumRow = {
    text<&R::Song_ID>(),      text<&R::Service_Flags>(), text<&R::Song_Name>(), number<&R::Play_Time>(),
    text<&R::Artist_ID>(),    text<&R::Artist_Name>(),   text<&R::Album_ID>(),  text<&R::Album_Name>(),
    number<&R::Phone_Deco>(), number<&R::Has_Lyrics>()};

constexpr std::array kServiceListRow = {
    text<&R::Song_ID>(),        text<&R::Service_Flags>(), text<&R::Song_Name>(),
    number<&R::Play_Time>(),    text<&R::Quality_Flags>(), text<&R::Artist_ID>(),
    text<&R::Artist_Name>(),    text<&R::Album_ID>(),      text<&R::Album_Name>(),
    number<&R::Phone_Deco>(),   number<&R::Has_Lyrics>(),  text<&R::Last_Play_Time>(),
    number<&R::Listen_Count>(), raw<&R::Rank_Text>()};

constexpr std::array kSearchRow = {
    text<&R::Song_ID>(),       text<&R::Service_Flags>(), text<&R::Song_Name>(),   number<&R::Play_Time>(),
    text<&R::Quality_Flags>(), text<&R::Artist_ID>(),     text<&R::Artist_Name>(), text<&R::Album_ID>(),
    text<&R::Album_Name>(),    number<&R::Phone_Deco>(),  number<&R::Has_Lyrics>()};

constexpr std::array kCartRow = {number<&R::Item_Type>(), text<&R::Song_ID>(),       text<&R::Cart_Item_ID>(),
                                 text<&R::Menu_ID>(),     text<&R::Service_Flags>(), text<&R::Song_Name>(),
                                 number<&R::Play_Time>(), text<&R::Quality_Flags>(), text<&R::Artist_ID>(),
                                 text<&R::Artist_Name>(), text<&R::Album_ID>(),      text<&R::Album_Name>(),
                                 number<&R::Cart_Value>()};

constexpr std::array kRingToneRow = {text<&R::Song_ID>(),       text<&R::Service_Flags>(),
                                     text<&R::Song_Name>(),     number<&R::Play_Time>(),
                                     text<&R::Quality_Flags>(), text<&R::Artist_ID>(),
                                     text<&R::Artist_Name>(),   text<&R::Album_ID>(),
                                     text<&R::Album_Name>(),    number<&R::List_Value>(),
                                     text<&R::Section_Start>(), text<&R::Section_End>(),
                                     text<&R::Download_Date>(), text<&R::Free_Download_Period>(),
                                     text<&R::Transaction_ID>()};

constexpr std::array kMvCartRow = {
    number<&R::Item_Type>(),  text<&R::MV_ID>(),       text<&R::MV_Name>(),
    text<&R::Artist_ID>(),    text<&R::Artist_Name>(), text<&R::Cast>(),
    text<&R::Cart_Item_ID>(), text<&R::MV_Size>(),     number<&R::Serviceable>()};

constexpr std::array kMvPurchaseRow = {text<&R::MV_ID>(),        text<&R::MV_Name>(), text<&R::Artist_ID>(),
                                       text<&R::Artist_Name>(),  text<&R::Cast>(),    text<&R::MV_Size>(),
                                       text<&R::Purchase_Time>()};

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
