#include "protocol/purchase_exchange.h"

#include "protocol/field_decoder.h"
#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/reply_fields.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"

#include <optional>

namespace kesto {

namespace {

constexpr std::size_t kFirstPriceGroup = 2;
constexpr std::size_t kPriceGroupFields = 3;
constexpr std::array<std::size_t, 6> kAuthInfoFields = {1, 2, 3, 4, 5, 9};

void addItems(RequestBody& body, const std::vector<PurchaseItem>& items) {
    for (const PurchaseItem& item : items)
        for (const std::string& text : item)
            body.add(text);
}

} // namespace

std::int32_t PurchaseReply::codeValue() const {
    return FieldDecoder::toInt(code);
}

// Sends one exchange and reads the code and the error message.
class PurchaseExchange::Exchange {
public:
    Exchange(const ProtocolContext& context, std::string_view word, const std::string& body,
             PurchaseReply& reply) {
        const auto text =
            RequestSender::exchange(context.request, ProtocolUrl::command(*context.login, word), true, body);
        if (!text)
            return;
        fields_.emplace(*text);
        reply.code = fields_->raw(0);
        reply.message.clear();
        if (!reply.succeeded())
            reply.message = fields_->raw(1);
    }
    bool replied() const { return fields_.has_value(); }
    const ReplyFields& fields() const { return *fields_; }

private:
    std::optional<ReplyFields> fields_;
};

bool PurchaseExchange::authInfo(std::string_view id, std::string_view key, PurchaseReply& reply,
                                std::array<std::string, 6>& results) const {
    const Exchange exchange(context_, proto::kAuthInfo, RequestBody().add(id).add(key).text(), reply);
    if (exchange.replied() && reply.succeeded())
        for (std::size_t i = 0; i < results.size(); ++i)
            results[i] = exchange.fields().raw(kAuthInfoFields[i]);
    return exchange.replied();
}

bool PurchaseExchange::cash(std::string_view id, std::string_view key, PurchaseReply& reply) const {
    return Exchange(context_, proto::kCash, RequestBody().add(id).add(key).text(), reply).replied();
}

bool PurchaseExchange::sms(std::string_view id, std::string_view key, std::string_view code,
                           PurchaseReply& reply) const {
    return Exchange(context_, proto::kSms, RequestBody().add(id).add(key).add(code).text(), reply).replied();
}

bool PurchaseExchange::externalPoint(std::string_view id, std::string_view key, std::string_view text1,
                                     int number, std::string_view text2, PurchaseReply& reply,
                                     std::array<std::string, 3>& results) const {
    const std::string body = RequestBody().add(id).add(key).add(text1).add(number).add(text2).text();
    const Exchange exchange(context_, proto::kExternalPoint, body, reply);
    if (!exchange.replied())
        return false;
    // The three texts are read before the code is looked at.
    for (std::size_t i = 0; i < results.size(); ++i)
        results[i] = exchange.fields().raw(i);
    return true;
}

bool PurchaseExchange::buy(std::string_view id, std::string_view key, int number,
                           const std::vector<PurchaseItem>& items, std::string_view closing,
                           PurchaseReply& reply) const {
    RequestBody body;
    body.add(id).add(key).add(number);
    addItems(body, items);
    body.add(closing);
    return Exchange(context_, proto::kBuy, body.text(), reply).replied();
}

bool PurchaseExchange::gift(std::string_view prefix, bool flag, const std::vector<int>& numbers,
                            const std::vector<PurchaseItem>& items, PurchaseReply& reply) const {
    std::string body(prefix);
    RequestBody rest;
    rest.add(flag ? "1" : "0");
    for (int number : numbers)
        rest.add(number);
    addItems(rest, items);
    body += rest.text();
    return Exchange(context_, proto::kGift, body, reply).replied();
}

bool PurchaseExchange::priced(std::string_view word, std::string_view prefix, bool flag,
                              const std::vector<PurchaseItem>& items, PriceReply& reply) const {
    std::string body(prefix);
    RequestBody rest;
    rest.add(flag ? "1" : "0").add(static_cast<std::int64_t>(items.size()));
    addItems(rest, items);
    body += rest.text();
    const Exchange exchange(context_, word, body, reply);
    if (!exchange.replied() || !reply.succeeded())
        return exchange.replied();
    const ReplyFields& fields = exchange.fields();
    reply.total = fields.raw(1);
    reply.groups.clear();
    for (std::size_t at = kFirstPriceGroup;
         reply.groups.size() < kMaxPriceGroups && at < fields.size() && !fields.raw(at).empty();
         at += kPriceGroupFields)
        reply.groups.push_back(
            {std::string(fields.raw(at)), fields.raw(at + 1) == "1", std::string(fields.raw(at + 2))});
    return true;
}

bool PurchaseExchange::price(std::string_view prefix, bool flag, const std::vector<PurchaseItem>& items,
                             PriceReply& reply) const {
    return priced(proto::kPrice, prefix, flag, items, reply);
}

bool PurchaseExchange::priceForDirectBuy(std::string_view prefix, bool flag,
                                         const std::vector<PurchaseItem>& items, PriceReply& reply) const {
    return priced(proto::kPriceForDirectBuy, prefix, flag, items, reply);
}

} // namespace kesto
