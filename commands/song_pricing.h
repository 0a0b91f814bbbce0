#pragma once
// Prices the chosen songs before a gift or a purchase. A missing reply or a negative code is
// reported to the host (message 1142) and gives nothing.

#include "commands/selection.h"
#include "protocol/purchase_exchange.h"

#include <optional>

namespace kesto {

class SongPricing {
public:
    enum class Kind : std::uint8_t { Gift, DirectBuy };

    explicit SongPricing(const ProtocolContext& context) : context_(context) {}

    std::optional<PriceReply> price(const Selection& songs, Kind kind) const;

private:
    const ProtocolContext& context_;
};

} // namespace kesto
