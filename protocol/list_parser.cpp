#include "protocol/list_parser.h"

#include "songs/song_store.h"
#include "protocol/list_layout.h"
#include "protocol/percent_encoder.h"
#include "protocol/reply_fields.h"
#include "protocol/server_error.h"

#include <algorithm>

namespace kesto {

namespace {

constexpr int kSentGiftsPageKind = 11;


constexpr std::size_t kListCodeLength = 5;

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

// Rows whose first field lies at or before the end of the reply: the complete and partial
// ones, and one row wholly beyond the end.
std::int64_t rowsWithin(const ListLayout& layout, std::size_t fieldCount) {
    const auto first = static_cast<std::int64_t>(layout.firstRow);
    const auto count = static_cast<std::int64_t>(fieldCount);
    if (count < first)
        return 1;
    return (count - first) / layout.stride + 1;
}

void fillRow(SongRecord& record, const ReplyFields& fields, const ListLayout& layout, std::size_t start,
             std::string& scratch) {
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const RowField& field = layout.fields[i];
        const std::size_t index = start + i;
        field.store(record, field.rule == FieldRule::Value ? fields.text(index, scratch) : fields.raw(index));
    }
}

} // namespace

bool ListParser::hasParser(int pageKind) {
    return ListLayout::forPageKind(pageKind) != nullptr;
}

ListParser::RecordSink ListParser::into(SongStore& store) {
    return [&store](const SongRecord& record) { return store.addCopy(&record) == 1; };
}

ParsedList ListParser::parse(std::string_view reply, int pageKind, const RecordSink& sink) const {
    ParsedList result;
    const ListLayout* layout = ListLayout::forPageKind(pageKind);
    if (reply.empty() || layout == nullptr)
        return result;
    const ReplyFields fields(reply);
    result.rowCount = fields.number(0);
    if (result.rowCount < 0)
        ServerError::show(context_, result.rowCount, fields.raw(1));
    if (fields.size() < static_cast<std::size_t>(layout->minimumFields))
        return result;

    result.pageIndex = fields.number(1);
    result.header2 = fields.number(2);
    if (layout->headerIntFields > 2)
        result.header3 = fields.number(3);
    result.headerText = headerText(fields, layout->headerTextField);
    result.headerText2 = headerText(fields, layout->headerText2Field);
    if (layout->headerTextIsSearchAddress)
        result.headerText = searchAddress(result.headerText);

    std::string listCode;
    if (layout->listCodeField != ListLayout::kNone) {
        char code[kListCodeLength + 1];
        copyField(code, fields.text(static_cast<std::size_t>(layout->listCodeField)));
        listCode = code;
        if (!layout->listCodeOnlyWhenNotEmpty || !listCode.empty())
            context_.login->listCode = listCode;
    }

    const std::int64_t rows = std::min<std::int64_t>(result.rowCount, rowsWithin(*layout, fields.size()));
    std::string scratch;
    for (std::int64_t row = 0; row < rows; ++row) {
        SongRecord record = SongRecord::make();
        const auto start = static_cast<std::size_t>(layout->firstRow + row * layout->stride);
        fillRow(record, fields, *layout, start, scratch);
        if (layout->setsItemTypeOne)
            record.Item_Type = 1;
        if (layout->menuId == MenuIdSource::Header)
            copyField(record.Menu_ID, listCode);
        if (layout->setsListMenuCode)
            copyField(record.List_Menu_Code, context_.login->listCode);
        if (layout->setsNoRankFlag)
            result.noRank = isNoRank(record.Rank_Text) ? 1 : 0;
        // The sent gifts' last field is the gift's state code.
        if (pageKind == kSentGiftsPageKind)
            copyField(record.Gift_Status, record.Extra_Text);
        if (!sink(record))
            return result;
        ++result.recordsMade;
    }
    result.ok = true;
    return result;
}

} // namespace kesto
