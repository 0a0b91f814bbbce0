#pragma once
// The exchanges of the purchase, gift and payment dialogs. They share the protocol envelope
// but report to the dialog instead of showing server errors: each call returns true when the
// host's request function gave a reply (whatever its code, a zero-length one included).

#include "protocol/protocol_context.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

// Code and error message of a purchase reply.
struct PurchaseReply {
    std::string code;    // field 0 as it came
    std::string message; // field 1 when the code is negative
    std::int32_t codeValue() const;
    bool succeeded() const { return codeValue() >= 0; }
};

// One item of a buy, gift or price list: its texts, each sent followed by VT.
using PurchaseItem = std::vector<std::string>;

struct PriceGroup {
    std::string textA;
    bool flag = false; // the field is exactly "1"
    std::string textB;
};

struct PriceReply : PurchaseReply {
    std::string total; // field 1
    std::vector<PriceGroup> groups;
};

class PurchaseExchange {
public:
    // Far more than a dialog asks prices for; a reply that goes on costs no more than this.
    static constexpr std::size_t kMaxPriceGroups = 1000;

    explicit PurchaseExchange(const ProtocolContext& context) : context_(context) {}

    bool authInfo(std::string_view id, std::string_view key, PurchaseReply& reply,
                  std::array<std::string, 6>& results) const;
    bool cash(std::string_view id, std::string_view key, PurchaseReply& reply) const;
    bool sms(std::string_view id, std::string_view key, std::string_view code, PurchaseReply& reply) const;
    bool externalPoint(std::string_view id, std::string_view key, std::string_view text1, int number,
                       std::string_view text2, PurchaseReply& reply,
                       std::array<std::string, 3>& results) const;
    bool buy(std::string_view id, std::string_view key, int number, const std::vector<PurchaseItem>& items,
             std::string_view closing, PurchaseReply& reply) const;
    // prefix is sent as the dialog formed it (it starts with the id and key fields).
    bool gift(std::string_view prefix, bool flag, const std::vector<int>& numbers,
              const std::vector<PurchaseItem>& items, PurchaseReply& reply) const;
    bool price(std::string_view prefix, bool flag, const std::vector<PurchaseItem>& items,
               PriceReply& reply) const;
    bool priceForDirectBuy(std::string_view prefix, bool flag, const std::vector<PurchaseItem>& items,
                           PriceReply& reply) const;

private:
    class Exchange;
    bool priced(std::string_view word, std::string_view prefix, bool flag,
                const std::vector<PurchaseItem>& items, PriceReply& reply) const;

    const ProtocolContext& context_;
};

} // namespace kesto
