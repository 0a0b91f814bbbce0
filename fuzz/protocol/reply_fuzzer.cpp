// Feeds one server reply through the split, every field decoding and every list parser, and
// traps when a parse breaks its promises: a record not terminated in its fields, a count of
// made records that differs from what the store received, rows beyond what the reply holds.
#include "protocol/field_decoder.h"
#include "protocol/list_parser.h"
#include "protocol/promotion_request.h"
#include "protocol/reply_fields.h"
#include "protocol/song_command_reply.h"
#include "protocol/streaming_exchange.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using kesto::Song;
using kesto::SongField;

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// A text within the capacity the record format gives it.
void checkFits(const Song& song, SongField field) {
    check(song.view(field).size() < Song::capacity(field));
}

void checkRecord(const Song& r) {
    checkFits(r, SongField::Song_ID);
    checkFits(r, SongField::Song_Name);
    checkFits(r, SongField::Menu_ID);
    checkFits(r, SongField::List_Menu_Code);
    checkFits(r, SongField::Rank_Text);
    checkFits(r, SongField::Extra_Text);
    checkFits(r, SongField::MV_Size);
}

void decodeEveryField(std::string_view text) {
    const kesto::ReplyFields fields(text);
    check(fields.size() >= 1);
    std::string scratch;
    for (std::size_t i = 0; i <= fields.size(); ++i) {
        const std::string_view value = fields.text(i, scratch);
        check(value.size() <= fields.raw(i).size());
        (void)fields.number(i);
    }
}

void parseEveryLayout(std::string_view text, kesto::ProtocolContext& context) {
    const std::size_t fieldCount = kesto::ReplyFields::split(text, '\x0b').size();
    for (int kind = 0; kind <= 31; ++kind) {
        if (!kesto::ListParser::hasParser(kind))
            continue;
        int received = 0;
        const auto list = kesto::ListParser(context).parse(text, kind, [&](const Song& r) {
            checkRecord(r);
            ++received;
            return true;
        });
        check(list.recordsMade == received);
        check(static_cast<std::size_t>(received) <= fieldCount + 1);
        check(context.login->listCode.size() <= 5);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kesto::LoginBlock login;
    kesto::ProtocolContext context;
    context.login = &login;

    decodeEveryField(text);
    parseEveryLayout(text, context);
    for (const auto& entry : kesto::PromotionRequest::read(text))
        check(entry.size() == kesto::PromotionRequest::kEntryFields);
    Song record;
    kesto::SongCommandReply::read(context, text, record);
    checkRecord(record);
    (void)kesto::StreamingExchange(context).read(std::string(text));
    return 0;
}
