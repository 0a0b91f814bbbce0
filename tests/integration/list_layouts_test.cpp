// List replies written field by field in the order the protocol's text gives for each page kind
// with a parser, handed to the real module by the host's request function, and read back where a
// host sees them: every field in the records of entry 12 (after listening to every row), the
// list page in the "No." cells. The layouts are written out here from the text, apart from the
// parser's tables and the reference service, so a first row or a stride that moves fails here.
#include "tests/integration/panel_entries_fixture.h"

#include "columns/column_kind.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

namespace kesto::test {
namespace {

struct Layout {
    int pageKind;
    int menuId;       // shown by entry 23 with this menu id, or by `link` (entry 46) when 0
    const char* link; // or the menu parameter
    int listCode;     // the header field of the list code, 0: none
    int headerFields; // after field 0
    int firstRow;
    int stride;
    const char* fields; // in order; '#' marks a number, '-' a field that is not read
};

constexpr const char* kMyAlbumRow = "Song_ID Service_Flags Song_Name #Play_Time Source_ID Source Artist_ID "
                                    "Artist_Name Album_ID Album_Name Added_Date #Phone_Deco #Has_Lyrics";
constexpr const char* kPurchaseRow = "Song_ID Service_Flags Song_Name #Play_Time Quality_Flags Artist_ID "
                                     "Artist_Name Album_ID Album_Name #List_Value Purchase_Time Expire_Date "
                                     "#Phone_Deco #Has_Lyrics #Serviceable";
constexpr const char* kGiftRow =
    "Gift_Peer Row_Text Song_ID Service_Flags Song_Name #Play_Time Quality_Flags "
    "Artist_ID Artist_Name Album_ID Album_Name Date_1 Date_2 #Phone_Deco "
    "#Has_Lyrics #Has_Message Date_3 Extra_Text";
constexpr const char* kAlbumRow = "Song_ID Service_Flags Song_Name #Play_Time Artist_ID Artist_Name Album_ID "
                                  "Album_Name #Phone_Deco #Has_Lyrics";
constexpr const char* kServiceRow = "Song_ID Service_Flags Song_Name #Play_Time Quality_Flags Artist_ID "
                                    "Artist_Name Album_ID Album_Name #Phone_Deco #Has_Lyrics Last_Play_Time "
                                    "#Listen_Count Rank_Text";

const Layout kLayouts[] = {
    {2, 2100, "", 3, 3, 4, 13, kMyAlbumRow},
    {3, 2200, "x", 3, 3, 4, 13, kMyAlbumRow},
    {7, 5100, "", 4, 4, 5, 15, kPurchaseRow},
    {8, 5200, "", 4, 4, 5, 15, kPurchaseRow},
    {9, 5300, "", 4, 4, 5, 15, kPurchaseRow},
    {10, 6000, "", 3, 3, 4, 18, kGiftRow},
    {11, 7000, "", 3, 3, 4, 18, kGiftRow},
    {16, 0, "albuminfo://A1;2;0/", 4, 4, 5, 10, kAlbumRow},
    {17, 2400, "", 4, 5, 6, 14, kServiceRow},
    {18, 2500, "", 4, 5, 6, 14, kServiceRow},
    {19, 1001, "00104", 4, 5, 6, 14, kServiceRow},
    {21, 0, "themeinfo://T1;4;0;0/", 3, 4, 5, 10, kAlbumRow},
    {22, 0, "searchinfo://3;word", 4, 5, 6, 12,
     "Song_ID Service_Flags Song_Name #Play_Time Quality_Flags Artist_ID Artist_Name Album_ID Album_Name "
     "#Phone_Deco #Has_Lyrics -"},
    {23, 9000, "", 0, 3, 4, 13,
     "#Item_Type Song_ID Cart_Item_ID Menu_ID Service_Flags Song_Name #Play_Time Quality_Flags Artist_ID "
     "Artist_Name Album_ID Album_Name #Cart_Value"},
    {28, 5400, "", 3, 4, 5, 15,
     "Song_ID Service_Flags Song_Name #Play_Time Quality_Flags Artist_ID Artist_Name Album_ID Album_Name "
     "#List_Value Section_Start Section_End Download_Date Free_Download_Period Transaction_ID"},
    // Nine fields eight apart, the first on the header text: a row's last field is the next's first.
    {29, 9700, "", 3, 4, 4, 8,
     "#Item_Type MV_ID MV_Name Artist_ID Artist_Name Cast Cart_Item_ID MV_Size #Serviceable"},
    {30, 9600, "", 3, 4, 5, 8, "MV_ID MV_Name Artist_ID Artist_Name Cast MV_Size Purchase_Time -"},
};

constexpr int kRows = 2;
constexpr int kListPage = 1; // header field 1

struct RecordField {
    const char* name;
    std::size_t offset;
    std::size_t size;
};
#define KESTO_FIELD(f)                                                                                       \
    { #f, offsetof(KestoSongRecord, f), sizeof(KestoSongRecord::f) }
const RecordField kRecordFields[] = {
    KESTO_FIELD(Song_ID),        KESTO_FIELD(Song_Name),
    KESTO_FIELD(Play_Time),      KESTO_FIELD(Quality_Flags),
    KESTO_FIELD(Artist_ID),      KESTO_FIELD(Artist_Name),
    KESTO_FIELD(Album_ID),       KESTO_FIELD(Album_Name),
    KESTO_FIELD(Date_1),         KESTO_FIELD(Date_2),
    KESTO_FIELD(Has_Lyrics),     KESTO_FIELD(Has_Message),
    KESTO_FIELD(Expire_Date),    KESTO_FIELD(Added_Date),
    KESTO_FIELD(Listen_Count),   KESTO_FIELD(Service_Flags),
    KESTO_FIELD(Gift_Peer),      KESTO_FIELD(Row_Text),
    KESTO_FIELD(Item_Type),      KESTO_FIELD(Source),
    KESTO_FIELD(Menu_ID),        KESTO_FIELD(List_Menu_Code),
    KESTO_FIELD(Phone_Deco),     KESTO_FIELD(Transaction_ID),
    KESTO_FIELD(Serviceable),    KESTO_FIELD(Date_3),
    KESTO_FIELD(Extra_Text),     KESTO_FIELD(MV_ID),
    KESTO_FIELD(MV_Name),        KESTO_FIELD(Source_ID),
    KESTO_FIELD(Purchase_Time),  KESTO_FIELD(List_Value),
    KESTO_FIELD(Last_Play_Time), KESTO_FIELD(Rank_Text),
    KESTO_FIELD(Cart_Item_ID),   KESTO_FIELD(Cart_Value),
    KESTO_FIELD(Section_Start),  KESTO_FIELD(Section_End),
    KESTO_FIELD(Download_Date),  KESTO_FIELD(Free_Download_Period),
    KESTO_FIELD(Cast),           KESTO_FIELD(MV_Size),
};
#undef KESTO_FIELD

// A field of a record as the host reads it: a number as its decimal text.
std::string fieldOf(const KestoSongRecord& record, const std::string& name, bool number) {
    for (const RecordField& f : kRecordFields)
        if (name == f.name) {
            const char* at = reinterpret_cast<const char*>(&record) + f.offset;
            if (!number)
                return std::string(at, strnlen(at, f.size));
            std::int32_t value = 0;
            std::memcpy(&value, at, sizeof value);
            return std::to_string(value);
        }
    ADD_FAILURE() << "no record field " << name;
    return {};
}

std::vector<std::string> words(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

class ListLayoutsTest : public PanelEntriesTest {
protected:
    // The reply: header, then the rows where the layout puts them (a later row over an earlier).
    static std::vector<std::string> reply(const Layout& layout, const std::string& code) {
        const auto names = words(layout.fields);
        std::vector<std::string> fields(static_cast<std::size_t>(
            layout.firstRow + (kRows - 1) * layout.stride + static_cast<int>(names.size())));
        fields[0] = std::to_string(kRows);
        for (int f = 1; f <= layout.headerFields; ++f)
            fields[f] = f == 1                 ? std::to_string(kListPage)
                        : f == layout.listCode ? code
                                               : "7" + std::to_string(f);
        for (int row = 0; row < kRows; ++row)
            for (std::size_t i = 0; i < names.size(); ++i)
                fields[static_cast<std::size_t>(layout.firstRow + row * layout.stride) + i] =
                    names[i][0] == '#' ? std::to_string(100 * (row + 1) + static_cast<int>(i) + 1)
                                       : "r" + std::to_string(row + 1) + "f" + std::to_string(i);
        return fields;
    }

    void show(const Layout& layout, const std::vector<std::string>& fields) {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i)
            text += (i == 0 ? "" : "\v") + fields[i];
        PanelHost::overrideReplies(text);
        if (layout.menuId != 0)
            host.show(kListOnly, layout.menuId, layout.link);
        else
            host.entry<KestoEntry46>(46)(layout.link);
        PanelHost::overrideReplies(std::nullopt);
        PanelHost::processPending();
    }

    std::vector<KestoSongRecord> listenedRecords() {
        host.entry<KestoEntry53>(53)(1);
        host.entry<KestoEntry45>(45)();
        PanelHost::processPending();
        StoreReader reader;
        host.entry<KestoEntry12>(12)(&reader, KESTO_MSG_PLAY_NOW_PLAYING);
        return reader.records;
    }
};

TEST_F(ListLayoutsTest, EveryParsedPageKindReadsEachFieldWhereTheTextPutsIt) {
    std::string currentCode; // the list code of the last list that named one
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE("page kind " + std::to_string(layout.pageKind));
        const std::string code = "K" + std::to_string(10000 + layout.pageKind).substr(1);
        const std::vector<std::string> fields = reply(layout, code);
        show(layout, fields);
        ASSERT_EQ(host.pageKind(), layout.pageKind);
        ASSERT_EQ(host.list()->rowCount(), kRows);
        if (layout.listCode != 0)
            currentCode = code;
        const int numbers = columnOf(col::kNumber);
        for (int row = 0; numbers >= 0 && row < kRows; ++row)
            EXPECT_EQ(list().cellText(row, numbers).toStdString(),
                      std::to_string(kListPage * (layout.pageKind == 23 ? 20 : 50) + row + 1));

        const std::vector<KestoSongRecord> records = listenedRecords();
        ASSERT_EQ(records.size(), static_cast<std::size_t>(kRows));
        const auto names = words(layout.fields);
        for (int row = 0; row < kRows; ++row) {
            const KestoSongRecord& record = records[static_cast<std::size_t>(row)];
            std::map<std::string, std::string> expected = {
                {"Menu_ID", layout.pageKind == 29 ? "" : code},
                {"List_Menu_Code", layout.pageKind >= 28 ? "" : currentCode},
                {"Item_Type", std::set<int>{2, 3, 10, 11}.contains(layout.pageKind) ? "1" : "0"},
                {"Serviceable", "1"}};
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (names[i] == "-")
                    continue;
                const std::string& value =
                    fields[static_cast<std::size_t>(layout.firstRow + row * layout.stride) + i];
                expected[names[i][0] == '#' ? names[i].substr(1) : names[i]] = value;
            }
            for (const auto& [name, value] : expected) {
                const bool number = name == "Item_Type" || name == "Serviceable" ||
                                    std::find(names.begin(), names.end(), "#" + name) != names.end();
                EXPECT_EQ(fieldOf(record, name, number), value) << "row " << row << ", " << name;
            }
        }
    }
}

} // namespace
} // namespace kesto::test
