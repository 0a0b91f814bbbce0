#include "commands/song_pricing.h"

#include "commands/host_error_report.h"
#include "protocol/request_body.h"

namespace kesto {

std::optional<PriceReply> SongPricing::price(const Selection& songs, Kind kind) const {
    std::vector<PurchaseItem> items;
    items.reserve(songs.size());
    for (const ChosenSong& song : songs.songs())
        items.push_back({std::string(song.record.text(SongField::Song_ID))});
    const std::string prefix = RequestBody(*context_.login).text();
    const PurchaseExchange exchange(context_);
    PriceReply reply;
    const bool answered = kind == Kind::Gift ? exchange.price(prefix, false, items, reply)
                                             : exchange.priceForDirectBuy(prefix, false, items, reply);
    if (!answered) {
        HostErrorReport::noReply(context_);
        return std::nullopt;
    }
    if (!reply.succeeded()) {
        HostErrorReport::serverCode(context_, reply.codeValue(), reply.message);
        return std::nullopt;
    }
    return reply;
}

} // namespace kesto
