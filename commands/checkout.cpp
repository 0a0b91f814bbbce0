#include "commands/checkout.h"

namespace kesto {
namespace {

// The external point query: the partner and the kind of points asked for.
constexpr std::string_view kPointPartner = "kesto";
constexpr int kPointKind = 1;
constexpr std::string_view kPointNote = "";
// The closing text of a purchase that is downloaded.
constexpr std::string_view kDownloadPurchase = "";

std::vector<PurchaseItem> idsOf(const std::vector<Song>& songs) {
    std::vector<PurchaseItem> items;
    items.reserve(songs.size());
    for (const Song& song : songs)
        items.push_back({std::string(song.text(SongField::Song_ID))});
    return items;
}

} // namespace

CheckoutResult Checkout::of(bool replied, const PurchaseReply& reply) {
    if (!replied)
        return {CheckoutResult::Outcome::NoReply, {}};
    if (!reply.succeeded())
        return {CheckoutResult::Outcome::Refused, reply.message};
    return {CheckoutResult::Outcome::Done, {}};
}

CheckoutResult Checkout::wallet(Wallet& out) const {
    const LoginBlock& login = *context_.login;
    const PurchaseExchange exchange(context_);
    PurchaseReply reply;
    std::array<std::string, 6> auth;
    CheckoutResult result = of(exchange.authInfo(login.userId, login.uKey, reply, auth), reply);
    if (!result.done())
        return result;
    out = Wallet{auth[0], auth[1], auth[2], auth[3], auth[5], {}};
    std::array<std::string, 3> points;
    PurchaseReply pointReply;
    if (exchange.externalPoint(login.userId, login.uKey, kPointPartner, kPointKind, kPointNote, pointReply,
                               points) &&
        pointReply.succeeded())
        out.externalPoints = points[1];
    return result;
}

CheckoutResult Checkout::buy(const std::vector<Song>& songs, Payment payment,
                             const std::string& smsCode) const {
    const LoginBlock& login = *context_.login;
    const PurchaseExchange exchange(context_);
    PurchaseReply reply;
    const bool checked = payment == Payment::Phone ? exchange.sms(login.userId, login.uKey, smsCode, reply)
                                                   : exchange.cash(login.userId, login.uKey, reply);
    if (CheckoutResult first = of(checked, reply); !first.done())
        return first;
    PurchaseReply bought;
    const bool replied = exchange.buy(login.userId, login.uKey, static_cast<int>(songs.size()), idsOf(songs),
                                      kDownloadPurchase, bought);
    return of(replied, bought);
}

CheckoutResult Checkout::gift(const std::vector<Song>& songs, const std::string& receiver,
                              const std::string& message) const {
    const LoginBlock& login = *context_.login;
    const std::string prefix = std::string(login.userId) + '\x0B' + login.uKey + '\x0B';
    // The receiver and the message come before the song ids.
    std::vector<PurchaseItem> items{{receiver, message, std::to_string(songs.size())}};
    for (PurchaseItem& id : idsOf(songs))
        items.push_back(std::move(id));
    PurchaseReply reply;
    const bool replied = PurchaseExchange(context_).gift(prefix, !message.empty(), {}, items, reply);
    return of(replied, reply);
}

} // namespace kesto
