#include "service/payment_commands.h"

#include "service/id_list.h"
#include "service/service_context.h"
#include "service/wire_reply.h"

namespace kesto::service {
namespace {

constexpr const char* kStreamPayment = "stream";
constexpr const char* kBellPayment = "bell";
constexpr std::int64_t kVideoPrice = 1500;
constexpr std::int64_t kBellPrice = 700;
constexpr std::int64_t kPoints = 1200;
constexpr std::int64_t kDay = 24 * 60 * 60;

} // namespace

void PaymentCommands::install(CommandRouter& router) {
    router.add("authinfo", 2, [this](const CommandCall& c) { return authInfo(c); });
    router.add("cash", 2, [this](const CommandCall& c) { return cash(c); });
    router.add("sms", 3, [this](const CommandCall& c) { return sms(c); });
    router.add("externalpoint", 5, [this](const CommandCall& c) { return externalPoint(c); });
    router.add("price", 4, [this](const CommandCall& c) { return price(c); });
    router.add("priceForDirectBuy", 4, [this](const CommandCall& c) { return price(c); });
    router.add("buy", 3, [this](const CommandCall& c) { return buy(c); });
}

std::string PaymentCommands::authInfo(const CommandCall& call) const {
    const std::string& user = call.request.userId();
    WireReply reply;
    reply.plainNumber(0).text(user).plainNumber(context_.accounts().cash(user)).plainNumber(kPoints);
    reply.text("01012345678").plainNumber(1).text("").text("").text("").text("VIP");
    return reply.str();
}

std::string PaymentCommands::cash(const CommandCall& call) const {
    return WireReply().plainNumber(0).plainNumber(context_.accounts().cash(call.request.userId())).str();
}

std::string PaymentCommands::sms(const CommandCall& call) const {
    if (call.request.field(2).empty())
        return WireReply::error(ServiceCode::BadValue);
    return WireReply().plainNumber(0).text("SMS").str();
}

std::string PaymentCommands::externalPoint(const CommandCall& call) const {
    (void)call;
    return WireReply().plainNumber(0).plainNumber(kPoints).text("OK").str();
}

std::optional<PurchaseRow> PaymentCommands::priced(const std::string& id, const std::string& payment) const {
    const CatalogueStore& catalogue = context_.catalogue();
    PurchaseRow row;
    row.itemId = id;
    row.bought = context_.stamp();
    if (const Song* song = catalogue.song(id)) {
        row.kind = payment == kStreamPayment ? PurchaseKind::Streaming
                   : payment == kBellPayment ? PurchaseKind::RingCut
                                             : PurchaseKind::Download;
        row.price = row.kind == PurchaseKind::RingCut ? kBellPrice : song->price;
        row.expires =
            row.kind == PurchaseKind::Download ? context_.stamp(kDownloadDays * kDay) : std::string();
        return song->serviceable ? std::optional(row) : std::nullopt;
    }
    if (catalogue.album(id) != nullptr) {
        row.kind = PurchaseKind::Album;
        for (const Song* song : catalogue.albumSongs(id))
            row.price += song->price;
        row.price = row.price * 8 / 10;
        return row;
    }
    if (catalogue.video(id) != nullptr) {
        row.kind = PurchaseKind::MusicVideo;
        row.price = kVideoPrice;
        return row;
    }
    return std::nullopt;
}

std::string PaymentCommands::price(const CommandCall& call) const {
    const auto ids = IdList::read(call.request, 3);
    if (!ids)
        return WireReply::error(ServiceCode::TooFewFields);
    WireReply groups;
    std::int64_t total = 0;
    for (const std::string& id : *ids) {
        const auto row = priced(id, "");
        total += row ? row->price : 0;
        groups.text(id).raw(row ? "1" : "0").plainNumber(row ? row->price : 0);
    }
    // An empty text closes the groups.
    return WireReply().plainNumber(0).plainNumber(total).str() + '\x0B' + groups.str() +
           (ids->empty() ? "" : "\x0B");
}

std::string PaymentCommands::buy(const CommandCall& call) const {
    const WireRequest& r = call.request;
    const auto count = r.integer(2, -1);
    if (count < 1 || count > IdList::kMaxCount || r.size() < 3 + static_cast<std::size_t>(count))
        return WireReply::error(count < 1 ? ServiceCode::BadValue : ServiceCode::TooFewFields);
    const std::string& payment = r.field(3 + static_cast<std::size_t>(count));
    std::vector<PurchaseRow> rows;
    std::int64_t total = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const auto row = priced(r.field(3 + static_cast<std::size_t>(i)), payment);
        if (!row)
            return WireReply::error(ServiceCode::NotFound);
        total += row->price;
        rows.push_back(*row);
    }
    if (!context_.accounts().charge(r.userId(), total))
        return WireReply::error(ServiceCode::NotEnoughCash);
    for (const PurchaseRow& row : rows)
        context_.history().addPurchase(r.userId(), row);
    return WireReply()
        .plainNumber(0)
        .plainNumber(count)
        .plainNumber(context_.accounts().cash(r.userId()))
        .str();
}

} // namespace kesto::service
