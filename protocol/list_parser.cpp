#include "protocol/list_parser.h"

#include "platform/failure_log.h"
#include "songs/list_pages.h"

#include "protocol/field_cursor.h"
#include "protocol/list_layout.h"
#include "protocol/percent_encoder.h"
#include "protocol/reply_fields.h"
#include "protocol/server_error.h"
#include "songs/song_store.h"

#include <algorithm>
#include <cstring>

namespace kesto {

namespace {

constexpr std::size_t kListCodeLength = 5;
// Every header field of every layout lies below this index.
constexpr std::size_t kHeaderFields = 6;

bool isNoRank(std::string_view rank) {
    return rank.size() == 2 && (rank[0] == 'N' || rank[0] == 'n') && (rank[1] == 'O' || rank[1] == 'o');
}

std::string searchAddress(std::string_view address) {
    const std::size_t question = address.find('?');
    if (question == std::string_view::npos)
        return std::string(address);
    return std::string(address.substr(0, question + 1)) +
           PercentEncoder::encode(address.substr(question + 1));
}

std::string headerText(const ReplyFields& fields, int index) {
    return index == ListLayout::kNone ? std::string() : fields.text(static_cast<std::size_t>(index));
}

// The start of a reply up to its first count fields, and whether it has that many at all;
// the header is read from it, so the rows are never cut up as a whole.
struct Head {
    std::string_view text;
    bool complete = false;
};

Head headOf(std::string_view reply, std::size_t count) {
    const char* at = reply.data();
    const char* const end = reply.data() + reply.size();
    for (std::size_t found = 0; found + 1 < count; ++found) {
        const auto* hit =
            static_cast<const char*>(std::memchr(at, proto::kVt, static_cast<std::size_t>(end - at)));
        if (hit == nullptr)
            return {reply, false};
        at = hit + 1;
    }
    const auto* hit =
        static_cast<const char*>(std::memchr(at, proto::kVt, static_cast<std::size_t>(end - at)));
    const char* const stop = hit != nullptr ? hit : end;
    return {reply.substr(0, static_cast<std::size_t>(stop - reply.data())), true};
}

// Reads one row into the song and leaves the cursor on the first field of the next row
// (which comes before this row's end when the layout's rows overlap).
void fillRow(SongBuilder& song, FieldCursor& cursor, const ListLayout& layout, RowScratch& scratch) {
    const auto stride = static_cast<std::size_t>(layout.stride);
    FieldCursor nextRow = cursor;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        if (i == stride)
            nextRow = cursor;
        layout.fields[i].store(song, cursor.next(), scratch);
    }
    if (layout.fields.size() > stride)
        cursor = nextRow;
    else
        cursor.skip(stride - layout.fields.size());
}

} // namespace

bool ListParser::hasParser(int pageKind) {
    return ListLayout::forPageKind(pageKind) != nullptr;
}

ListParser::RecordSink ListParser::into(SongStore& store) {
    return RecordSink::into(store);
}

ParsedList ListParser::parse(std::string_view reply, int pageKind, RecordSink sink) const {
    ParsedList result;
    const ListLayout* layout = ListLayout::forPageKind(pageKind);
    if (reply.empty() || layout == nullptr)
        return result;
    const auto minimum = static_cast<std::size_t>(layout->minimumFields);
    const Head head = headOf(reply, std::max(kHeaderFields, minimum));
    const ReplyFields fields(head.text);
    result.rowCount = fields.number(0);
    if (result.rowCount < 0)
        ServerError::show(context_, result.rowCount, fields.raw(1));
    if (!head.complete && fields.size() < minimum) {
        FailureLog::write(LogCategory::Protocol, "list reply refused: " + std::to_string(fields.size()) +
                                                     " header fields where page kind " +
                                                     std::to_string(pageKind) + " needs " +
                                                     std::to_string(minimum));
        return result;
    }

    result.pageIndex = fields.number(1);
    result.header2 = fields.number(2);
    if (layout->headerIntFields > 2)
        result.header3 = fields.number(3);
    result.headerText = headerText(fields, layout->headerTextField);
    result.headerText2 = headerText(fields, layout->headerText2Field);
    if (layout->headerTextIsSearchAddress)
        result.headerText = searchAddress(result.headerText);

    char listCode[kListCodeLength + 1] = {};
    if (layout->listCodeField != ListLayout::kNone) {
        copyField(listCode, fields.text(static_cast<std::size_t>(layout->listCodeField)));
        if (!layout->listCodeOnlyWhenNotEmpty || listCode[0] != '\0')
            context_.login->listCode = listCode;
    }
    const std::string_view headerCode(listCode);                           // ends at its first NUL
    const std::string_view currentCode = context_.login->listCode.c_str(); // up to a NUL

    FieldCursor cursor(reply);
    cursor.skip(static_cast<std::size_t>(layout->firstRow));
    RowScratch scratch;
    // A row is made while it starts within the reply or just past its end: the rows the reply
    // holds and at most one empty one, however large the count. The first row is always made.
    for (std::int32_t row = 0;
         row < std::min(result.rowCount, kMaxRows) && (row == 0 || cursor.withinReach()); ++row) {
        SongBuilder* song = sink.open();
        if (song == nullptr) {
            FailureLog::write(LogCategory::Protocol,
                              "list reply cut short: no memory for row " + std::to_string(row));
            return result;
        }
        fillRow(*song, cursor, *layout, scratch);
        if (layout->setsItemTypeOne)
            song->song().Item_Type = 1;
        if (layout->menuId == MenuIdSource::Header)
            song->setPlainText(SongField::Menu_ID, headerCode);
        if (layout->setsListMenuCode)
            song->setPlainText(SongField::List_Menu_Code, currentCode);
        if (layout->setsNoRankFlag)
            result.noRank = isNoRank(song->view(SongField::Rank_Text)) ? 1 : 0;
        // The sent gifts' last field is the gift's state code.
        if (pageKind == page_kind::kSentGifts)
            song->setPlainText(SongField::Gift_Status, song->view(SongField::Extra_Text));
        if (!sink.close()) {
            FailureLog::write(LogCategory::Protocol,
                              "list reply cut short: row " + std::to_string(row) + " not kept");
            return result;
        }
        ++result.recordsMade;
    }
    result.ok = true;
    return result;
}

} // namespace kesto
