#include "service/gift_commands.h"

#include "service/id_list.h"
#include "service/list_codes.h"
#include "service/list_page.h"
#include "service/service_context.h"
#include "service/song_fields.h"
#include "service/wire_reply.h"

namespace kesto::service {

void GiftCommands::install(CommandRouter& router) {
    router.add("giftBox", 4, [this](const CommandCall& c) { return giftBox(c); });
    router.add("gift", 7, [this](const CommandCall& c) { return gift(c); });
}

std::string GiftCommands::giftBox(const CommandCall& call) const {
    const bool sent = call.request.integer(2) == 1;
    const auto rows = context_.gifts().gifts(call.request.userId(), sent);
    const ListPage page(call.request.integer(3), rows.size());
    WireReply reply;
    page.header(reply);
    reply.text(sent ? list_codes::kSentGift : list_codes::kReceivedGift);
    const SongFields fields(context_.catalogue());
    for (const GiftRow& row : page.of(rows)) {
        static const Song missing;
        const Song* song = context_.catalogue().song(row.songId);
        reply.text(sent ? row.receiver : row.sender).text(std::to_string(row.id));
        fields.withQuality(reply, song == nullptr ? missing : *song);
        reply.text(row.sent).text(row.received);
        fields.extras(reply, song == nullptr ? missing : *song);
        reply.number(row.message.empty() ? 0 : 1).text(row.received.substr(0, 8) + "235959").text(row.status);
    }
    return reply.str();
}

std::string GiftCommands::gift(const CommandCall& call) const {
    const WireRequest& r = call.request;
    const std::string& receiver = r.field(3);
    if (receiver.empty())
        return WireReply::error(ServiceCode::BadValue);
    const auto ids = IdList::read(r, 5);
    if (!ids || ids->empty())
        return WireReply::error(ServiceCode::TooFewFields);
    std::int64_t price = 0;
    for (const std::string& id : *ids) {
        const Song* song = context_.catalogue().song(id);
        if (song == nullptr)
            return WireReply::error(ServiceCode::NotFound);
        if (!song->serviceable)
            return WireReply::error(ServiceCode::NotServiceable);
        price += song->price;
    }
    if (!context_.accounts().charge(r.userId(), price))
        return WireReply::error(ServiceCode::NotEnoughCash);
    GiftRow prototype;
    prototype.sender = r.userId();
    prototype.receiver = receiver;
    prototype.message = r.integer(2) == 1 ? r.field(4) : std::string();
    prototype.sent = context_.stamp();
    prototype.received = context_.stamp();
    prototype.status = kGiftReceived;
    const int sent = context_.gifts().send(prototype, *ids);
    return WireReply()
        .plainNumber(0)
        .plainNumber(sent)
        .plainNumber(context_.accounts().cash(r.userId()))
        .str();
}

} // namespace kesto::service
