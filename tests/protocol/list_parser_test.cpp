#include "protocol/list_parser.h"
#include "songs/song_store.h"
#include "tests/protocol/protocol_doubles.h"

#include <gtest/gtest.h>

#include <functional>

namespace kesto {
namespace {

using test::Rig;

// A reply of header fields followed by rows, all joined with VT.
std::string reply(std::vector<std::string> header, const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows)
        header.insert(header.end(), row.begin(), row.end());
    std::string text;
    for (std::size_t i = 0; i < header.size(); ++i)
        text += (i ? "\x0b" : "") + header[i];
    return text;
}

// A row of n fields named prefix0, prefix1, ...
std::vector<std::string> row(const std::string& prefix, int n) {
    std::vector<std::string> fields;
    for (int i = 0; i < n; ++i)
        fields.push_back(prefix + std::to_string(i));
    return fields;
}

struct Parsed {
    ParsedList list;
    std::vector<Song> records;
};

Parsed parse(Rig& rig, const std::string& text, int kind) {
    Parsed parsed;
    ListParser parser(rig.context);
    parsed.list = parser.parse(text, kind, [&](const Song& r) {
        parsed.records.push_back(r);
        return true;
    });
    return parsed;
}

TEST(ListParser, MyAlbumRowsTakeTheHeaderListCode) {
    Rig rig;
    auto first = row("a", 13);
    first[3] = "215";
    first[11] = "2";
    first[12] = "1";
    SongStore store;
    ListParser parser(rig.context);
    const auto list =
        parser.parse(reply({"2", "40", "1", "00123"}, {first, row("b", 13)}), 2, ListParser::into(store));
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.pageIndex, 40);
    EXPECT_EQ(list.header2, 1);
    ASSERT_EQ(store.count(), 2);
    const Song& r = *store.get(0);
    EXPECT_STREQ(r.text(SongField::Song_ID), "a0");
    EXPECT_STREQ(r.text(SongField::Service_Flags), "a1");
    EXPECT_STREQ(r.text(SongField::Song_Name), "a2");
    EXPECT_EQ(r.Play_Time, 215);
    EXPECT_STREQ(r.text(SongField::Source_ID), "a4");
    EXPECT_STREQ(r.text(SongField::Source), "a5");
    EXPECT_STREQ(r.text(SongField::Album_Name), "a9");
    EXPECT_STREQ(r.text(SongField::Added_Date), "a10");
    EXPECT_EQ(r.Phone_Deco, 2);
    EXPECT_EQ(r.Has_Lyrics, 1);
    EXPECT_EQ(r.Item_Type, 1);
    EXPECT_EQ(r.Serviceable, 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_STREQ(store.get(i)->text(SongField::Menu_ID), "00123");
        EXPECT_STREQ(store.get(i)->text(SongField::List_Menu_Code), "00123");
    }
    EXPECT_STREQ(store.get(1)->text(SongField::Song_ID), "b0");
    EXPECT_EQ(rig.login.listCode, "00123");
}

TEST(ListParser, RowFieldsAreDecodedAndCutToTheirField) {
    Rig rig;
    auto fields = row("x", 10);
    fields[0] = "123456789012345678901234"; // Song_ID holds 20
    fields[1] = "null";
    fields[2] = "A%20B&#59;C";
    fields[3] = "NULL";
    const auto parsed = parse(rig, reply({"1", "0", "0", "hdr", "LONGCODE"}, {fields}), 16);
    ASSERT_EQ(parsed.records.size(), 1u);
    const Song& r = parsed.records[0];
    EXPECT_STREQ(r.text(SongField::Song_ID), "12345678901234567890");
    EXPECT_STREQ(r.text(SongField::Service_Flags), "");
    EXPECT_STREQ(r.text(SongField::Song_Name), "A B;C");
    EXPECT_EQ(r.Play_Time, 0);
    EXPECT_STREQ(r.text(SongField::Menu_ID), "LONGC");
    EXPECT_EQ(rig.login.listCode, "LONGC");
    EXPECT_EQ(parsed.list.headerText, "hdr");
}

TEST(ListParser, RowsBeyondTheEndAreEmptyButBoundedByTheReply) {
    Rig rig;
    auto parsed = parse(rig, reply({"3", "0", "0", "h", "L1"}, {row("a", 10), row("b", 10)}), 16);
    ASSERT_TRUE(parsed.list.ok);
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_STREQ(parsed.records[2].text(SongField::Song_ID), "");
    EXPECT_STREQ(parsed.records[2].text(SongField::Menu_ID), "L1");

    // A hostile count makes the rows the reply holds and no more than one empty one.
    parsed = parse(rig, reply({"2147483647", "0", "0", "h", "L1"}, {row("a", 10)}), 16);
    EXPECT_TRUE(parsed.list.ok);
    EXPECT_LE(parsed.records.size(), 2u);
    EXPECT_STREQ(parsed.records[0].text(SongField::Song_ID), "a0");

    // A row cut short keeps what it has.
    parsed = parse(rig, reply({"1", "0", "0", "h", "L1"}, {{"id", "f"}}), 16);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_STREQ(parsed.records[0].text(SongField::Service_Flags), "f");
    EXPECT_STREQ(parsed.records[0].text(SongField::Song_Name), "");
}

TEST(ListParser, AReplyOfEmptyRowsMakesNoMoreThanTheRowLimit) {
    Rig rig;
    const std::string header = reply({"2147483647", "0", "0", "h", "L1"}, {});
    const std::string rows(static_cast<std::size_t>(ListParser::kMaxRows + 500) * 10, '\x0b');
    int made = 0;
    const ParsedList list = ListParser(rig.context).parse(header + rows, 16, [&](const Song&) {
        ++made;
        return true;
    });
    EXPECT_TRUE(list.ok);
    EXPECT_EQ(made, ListParser::kMaxRows);
    EXPECT_EQ(list.recordsMade, ListParser::kMaxRows);
}

TEST(ListParser, ErrorRepliesAndShortRepliesMakeNoRows) {
    Rig rig;
    auto parsed = parse(rig, "-10104\x0bsession over", 16);
    EXPECT_FALSE(parsed.list.ok);
    EXPECT_TRUE(parsed.records.empty());
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, "session over");
    ASSERT_EQ(rig.port.posted.size(), 1u);
    EXPECT_EQ(rig.port.posted[0].message, 1143u);

    rig.login.listCode = "KEEP";
    parsed = parse(rig, reply({"1", "0", "0"}, {}), 2); // fewer than 17 fields
    EXPECT_FALSE(parsed.list.ok);
    EXPECT_TRUE(parsed.records.empty());
    EXPECT_EQ(rig.login.listCode, "KEEP");
    EXPECT_FALSE(parse(rig, "", 16).list.ok);
    EXPECT_FALSE(parse(rig, reply({"1", "0", "0", "h", "L"}, {row("a", 10)}), 1).list.ok); // no parser
    EXPECT_EQ(rig.box.shown.size(), 1u);
}

TEST(ListParser, RecordsAlreadyStoredStayWhenTheStoreRefuses) {
    Rig rig;
    ListParser parser(rig.context);
    std::vector<std::string> made;
    const auto list = parser.parse(
        reply({"3", "0", "0", "h", "L"}, {row("a", 10), row("b", 10), row("c", 10)}), 16, [&](const Song& r) {
            if (made.size() == 1)
                return false;
            made.emplace_back(r.text(SongField::Song_ID));
            return true;
        });
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.recordsMade, 1);
    EXPECT_EQ(made, std::vector<std::string>{"a0"});
}

TEST(ListParser, ServiceListsKeepTheRankRawAndTheLastRowSetsTheNoRankFlag) {
    Rig rig;
    auto first = row("a", 14);
    first[13] = "%31";
    auto last = row("b", 14);
    last[13] = "no";
    const auto parsed = parse(rig, reply({"2", "1", "0", "title", "C19", "sub"}, {first, last}), 19);
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_STREQ(parsed.records[0].text(SongField::Rank_Text), "%31");
    EXPECT_STREQ(parsed.records[0].text(SongField::Last_Play_Time), "a11");
    EXPECT_EQ(parsed.records[0].Listen_Count, 0);
    EXPECT_EQ(parsed.list.noRank, 1);
    EXPECT_EQ(parsed.list.headerText, "title");
    EXPECT_EQ(parsed.list.headerText2, "sub");
    last[13] = "7";
    EXPECT_EQ(parse(rig, reply({"2", "1", "0", "t", "C", "s"}, {first, last}), 17).list.noRank, 0);
}

TEST(ListParser, SearchRepliesCarryTheWebAddressWithAnEncodedQuery) {
    Rig rig;
    const auto parsed =
        parse(rig, reply({"1", "2", "3", "4", "S8", "http://w/s.jsp?q=a b&t=1"}, {row("s", 12)}), 22);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_EQ(parsed.list.header3, 4);
    EXPECT_EQ(parsed.list.headerText, "http://w/s.jsp?q%3Da%20b%26t%3D1");
    EXPECT_STREQ(parsed.records[0].text(SongField::Song_ID), "s0");
    EXPECT_EQ(parsed.records[0].Has_Lyrics, 0); // "s10" is not a number
    EXPECT_STREQ(parsed.records[0].text(SongField::Menu_ID), "S8");
    EXPECT_EQ(parse(rig, reply({"0", "0", "0", "0", "S", "http://w/plain"}, {}), 22).list.headerText,
              "http://w/plain");
}

TEST(ListParser, CartRowsNameTheirOwnMenuIdAndLeaveTheListCode) {
    Rig rig;
    rig.login.listCode = "PREV";
    auto fields = row("c", 13);
    fields[0] = "2";
    fields[3] = "238";
    fields[12] = "1500";
    const auto parsed = parse(rig, reply({"1", "0", "0", "cart"}, {fields, {"", "", "", ""}}), 23);
    ASSERT_EQ(parsed.records.size(), 1u);
    const Song& r = parsed.records[0];
    EXPECT_EQ(r.Item_Type, 2);
    EXPECT_STREQ(r.text(SongField::Cart_Item_ID), "c2");
    EXPECT_STREQ(r.text(SongField::Menu_ID), "238");
    EXPECT_EQ(r.Cart_Value, 1500);
    EXPECT_STREQ(r.text(SongField::List_Menu_Code), "PREV");
    EXPECT_EQ(rig.login.listCode, "PREV");
}

TEST(ListParser, MusicVideoCartRowsOverlapByOneField) {
    Rig rig;
    rig.login.listCode = "PREV";
    // Fields from 4: row 1 reads 4..12, row 2 reads 12..20.
    const auto parsed =
        parse(rig,
              reply({"2", "0", "0", ""}, {{"1", "mv1", "n1", "ar", "an", "cast", "ci", "9MB", "1", "mv2",
                                           "n2", "ar2", "an2", "c2", "ci2", "1MB", "0"}}),
              29);
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[0].Item_Type, 1);
    EXPECT_STREQ(parsed.records[0].text(SongField::MV_ID), "mv1");
    EXPECT_STREQ(parsed.records[0].text(SongField::Cart_Item_ID), "ci");
    EXPECT_EQ(parsed.records[0].Serviceable, 1);
    EXPECT_EQ(parsed.records[1].Item_Type, 1); // the "1" that ended row 1
    EXPECT_STREQ(parsed.records[1].text(SongField::MV_ID), "mv2");
    EXPECT_EQ(parsed.records[1].Serviceable, 0);
    EXPECT_STREQ(parsed.records[0].text(SongField::Menu_ID), "");
    EXPECT_STREQ(parsed.records[0].text(SongField::List_Menu_Code), "");
    EXPECT_EQ(parsed.list.headerText, "1");
    EXPECT_EQ(rig.login.listCode, "PREV"); // an empty code is not taken
}

TEST(ListParser, PurchaseRingToneAndMusicVideoLayouts) {
    Rig rig;
    auto bought = row("p", 15);
    bought[14] = "0";
    auto parsed = parse(rig, reply({"1", "0", "0", "h", "B1"}, {bought}), 8);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_STREQ(parsed.records[0].text(SongField::Purchase_Time), "p10");
    EXPECT_STREQ(parsed.records[0].text(SongField::Expire_Date), "p11");
    EXPECT_EQ(parsed.records[0].Serviceable, 0);

    rig.login.listCode = "OLD";
    parsed = parse(rig, reply({"1", "0", "0", "R5", "h"}, {row("r", 15)}), 28);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_STREQ(parsed.records[0].text(SongField::Section_End), "r11");
    EXPECT_STREQ(parsed.records[0].text(SongField::Transaction_ID), "r14");
    EXPECT_STREQ(parsed.records[0].text(SongField::Menu_ID), "R5");
    EXPECT_STREQ(parsed.records[0].text(SongField::List_Menu_Code), "");

    parsed = parse(rig, reply({"1", "0", "0", "V", "h"}, {row("v", 8)}), 30);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_STREQ(parsed.records[0].text(SongField::MV_Size), "v5");
    EXPECT_STREQ(parsed.records[0].text(SongField::Purchase_Time), "v6");

    parsed = parse(rig, reply({"1", "0", "0", "G"}, {row("g", 18)}), 11);
    ASSERT_EQ(parsed.records.size(), 1u);
    EXPECT_STREQ(parsed.records[0].text(SongField::Gift_Peer), "g0");
    EXPECT_STREQ(parsed.records[0].text(SongField::Extra_Text), "g17");
    EXPECT_EQ(parsed.records[0].Item_Type, 1);
}

// Every layout read over two rows: the second row's first and last fields land where they
// belong, so a wrong first-row field or stride moves them and fails.
TEST(ListParser, EachLayoutReadsTheFirstAndLastFieldOfItsSecondRow) {
    using Field = std::function<std::string(const Song&)>;
    auto text = [](SongField field) {
        return Field([field](const Song& r) { return std::string(r.view(field)); });
    };
    auto number = [](auto member) {
        return Field([member](const Song& r) { return std::to_string(r.*member); });
    };
    struct Layout {
        int kind;
        std::vector<std::string> header; // after the row count
        int stride;
        Field first;
        int lastRead; // the last row field the layout reads
        Field last;
    };
    const std::vector<Layout> layouts = {
        {2, {"0", "0", "L1"}, 13, text(SongField::Song_ID), 12, number(&Song::Has_Lyrics)},
        {7, {"0", "0", "h", "L1"}, 15, text(SongField::Song_ID), 14, number(&Song::Serviceable)},
        {10, {"0", "0", "L1"}, 18, text(SongField::Gift_Peer), 17, text(SongField::Extra_Text)},
        {16, {"0", "0", "h", "L1"}, 10, text(SongField::Song_ID), 9, number(&Song::Has_Lyrics)},
        {19, {"0", "0", "h", "L1", "h2"}, 14, text(SongField::Song_ID), 13, text(SongField::Rank_Text)},
        {21, {"0", "0", "L1", "h"}, 10, text(SongField::Song_ID), 9, number(&Song::Has_Lyrics)},
        {22, {"0", "0", "0", "L1", "h"}, 12, text(SongField::Song_ID), 10, number(&Song::Has_Lyrics)},
        {23, {"0", "0", "h"}, 13, number(&Song::Item_Type), 12, number(&Song::Cart_Value)},
        {28, {"0", "0", "L1", "h"}, 15, text(SongField::Song_ID), 14, text(SongField::Transaction_ID)},
        {30, {"0", "0", "L1", "h"}, 8, text(SongField::MV_ID), 6, text(SongField::Purchase_Time)},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE("page kind " + std::to_string(layout.kind));
        // Numbers read as text and as integers alike: row r, field k holds r * 100 + k.
        std::vector<std::vector<std::string>> rows(2);
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < layout.stride; ++k)
                rows[r].push_back(std::to_string((r + 1) * 100 + k));
        std::vector<std::string> header{"2"};
        header.insert(header.end(), layout.header.begin(), layout.header.end());
        Rig rig;
        const Parsed parsed = parse(rig, reply(header, rows), layout.kind);
        ASSERT_TRUE(parsed.list.ok);
        ASSERT_EQ(parsed.records.size(), 2u);
        EXPECT_EQ(layout.first(parsed.records[1]), "200");
        EXPECT_EQ(layout.last(parsed.records[1]), std::to_string(200 + layout.lastRead));
        EXPECT_EQ(layout.last(parsed.records[0]), std::to_string(100 + layout.lastRead));
    }
}

} // namespace
} // namespace kesto
