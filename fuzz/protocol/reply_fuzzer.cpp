// Feeds one server reply through the split, every field decoding, every list parser, the my
// albums of a song and every purchase exchange, and traps when a parse breaks its promises: a
// record not terminated in its fields, a count of made records that differs from what the store
// received, rows or albums beyond what the reply holds, an exchange that says no reply came,
// texts or price groups longer than the reply.
#include "protocol/field_decoder.h"
#include "protocol/list_parser.h"
#include "protocol/my_album_source.h"
#include "protocol/promotion_request.h"
#include "protocol/purchase_exchange.h"
#include "protocol/reply_fields.h"
#include "protocol/song_command_reply.h"
#include "protocol/streaming_exchange.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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

std::string_view reply;

int request(const char*, void** data, std::uint32_t* length, int, const char*, int, int) {
    *data = std::malloc(reply.size() + 1);
    if (!reply.empty()) // an empty input may come without data
        std::memcpy(*data, reply.data(), reply.size());
    *length = static_cast<std::uint32_t>(reply.size());
    return 1;
}

void checkPurchase(bool answered, const kesto::PurchaseReply& answer) {
    check(answered);
    check(answer.code.size() <= reply.size() && answer.message.size() <= reply.size());
}

void exchangeEveryPurchase(kesto::ProtocolContext& context) {
    context.request = &request;
    const kesto::PurchaseExchange exchange(context);
    const std::vector<kesto::PurchaseItem> items{{"S1", "1000"}, {"S2", "500", "x"}};
    const std::size_t fieldCount = kesto::ReplyFields::split(reply, '\x0b').size();
    kesto::PurchaseReply answer;
    std::array<std::string, 6> auth;
    checkPurchase(exchange.authInfo("id", "key", answer, auth), answer);
    for (const std::string& field : auth)
        check(field.size() <= reply.size());
    checkPurchase(exchange.cash("id", "key", answer), answer);
    checkPurchase(exchange.sms("id", "key", "123456", answer), answer);
    std::array<std::string, 3> point;
    checkPurchase(exchange.externalPoint("id", "key", "a", 1, "b", answer, point), answer);
    checkPurchase(exchange.buy("id", "key", 2, items, "end", answer), answer);
    checkPurchase(exchange.gift("id\x0bkey\x0b", true, {1, 2}, items, answer), answer);
    for (const bool direct : {false, true}) {
        kesto::PriceReply price;
        checkPurchase(direct ? exchange.priceForDirectBuy("id\x0bkey\x0b", true, items, price)
                             : exchange.price("id\x0bkey\x0b", false, items, price),
                      price);
        check(price.total.size() <= reply.size() && price.groups.size() <= fieldCount);
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
    if (const auto albums = kesto::MyAlbumSource::read(kesto::ReplyFields(text)))
        check(albums->size() * 2 < kesto::ReplyFields::split(text, '\x0b').size());
    Song record;
    kesto::SongCommandReply::read(context, text, record);
    checkRecord(record);
    (void)kesto::StreamingExchange(context).read(std::string(text));
    reply = text;
    exchangeEveryPurchase(context);
    return 0;
}
