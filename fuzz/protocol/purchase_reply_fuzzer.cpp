// Every purchase, gift and payment exchange with any server reply: each reports that a reply
// came, the code and message it hands the dialog are cut from the reply, and a price list
// holds no more groups than the reply has fields.
#include "protocol/purchase_exchange.h"
#include "protocol/reply_fields.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace kesto;

std::string_view reply;

int request(const char*, void** data, std::uint32_t* length, int, const char*, int, int) {
    *data = std::malloc(reply.size() + 1);
    if (!reply.empty()) // an empty input may come without data
        std::memcpy(*data, reply.data(), reply.size());
    *length = static_cast<std::uint32_t>(reply.size());
    return 1;
}

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void checkReply(const PurchaseReply& answer) {
    check(answer.code.size() <= reply.size());
    check(answer.message.size() <= reply.size());
    (void)answer.succeeded();
}

void checkPrice(bool answered, const PriceReply& answer, std::size_t fieldCount) {
    check(answered);
    checkReply(answer);
    check(answer.total.size() <= reply.size());
    check(answer.groups.size() <= fieldCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    reply = std::string_view(reinterpret_cast<const char*>(data), size);
    const std::size_t fieldCount = ReplyFields::split(reply, '\x0b').size();
    LoginBlock login;
    ProtocolContext context;
    context.login = &login;
    context.request = &request;
    const PurchaseExchange exchange(context);
    const std::vector<PurchaseItem> items{{"S1", "1000"}, {"S2", "500", "x"}};

    PurchaseReply answer;
    std::array<std::string, 6> auth;
    check(exchange.authInfo("id", "key", answer, auth));
    checkReply(answer);
    for (const std::string& field : auth)
        check(field.size() <= size);
    check(exchange.cash("id", "key", answer));
    checkReply(answer);
    check(exchange.sms("id", "key", "123456", answer));
    checkReply(answer);
    std::array<std::string, 3> point;
    check(exchange.externalPoint("id", "key", "a", 1, "b", answer, point));
    checkReply(answer);
    check(exchange.buy("id", "key", 2, items, "end", answer));
    checkReply(answer);
    check(exchange.gift("id\x0bkey\x0b", true, {1, 2}, items, answer));
    checkReply(answer);
    PriceReply price;
    checkPrice(exchange.price("id\x0bkey\x0b", false, items, price), price, fieldCount);
    PriceReply direct;
    checkPrice(exchange.priceForDirectBuy("id\x0bkey\x0b", true, items, direct), direct, fieldCount);
    return 0;
}
