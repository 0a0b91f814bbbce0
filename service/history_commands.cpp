#include "service/history_commands.h"

#include "platform/cp949.h"
#include "service/list_codes.h"
#include "service/list_page.h"
#include "service/service_context.h"
#include "service/song_fields.h"
#include "service/wire_reply.h"

#include <array>

namespace kesto::service {
namespace {

struct HistoryRow {
    const Song* song;
    const PurchaseRow* purchase;
};

const std::string& historyTitle(std::int64_t kind) {
    static const std::array<std::string, 3> titles = {Cp949::fromUtf8("스트리밍 구매내역"),
                                                      Cp949::fromUtf8("다운로드 구매내역"),
                                                      Cp949::fromUtf8("앨범 구매내역")};
    return titles[static_cast<std::size_t>(kind - 1)];
}

const std::string& freePeriodText() {
    static const std::string text = Cp949::fromUtf8("30일");
    return text;
}

} // namespace

void HistoryCommands::install(CommandRouter& router) {
    router.add("buyingHistory", 4, [this](const CommandCall& c) { return buyingHistory(c); });
    router.add("cuttingbell", 3, [this](const CommandCall& c) { return cuttingBell(c); });
    router.add("mvBuyHistory", 3, [this](const CommandCall& c) { return mvBuyHistory(c); });
}

std::string HistoryCommands::buyingHistory(const CommandCall& call) const {
    const auto kind = call.request.integer(2);
    if (kind < 1 || kind > 3)
        return WireReply::error(ServiceCode::BadValue);
    const auto purchases =
        context_.history().purchases(call.request.userId(), static_cast<PurchaseKind>(kind));
    std::vector<HistoryRow> rows;
    for (const PurchaseRow& p : purchases) {
        if (kind == 3) {
            for (const Song* song : context_.catalogue().albumSongs(p.itemId))
                rows.push_back({song, &p});
        } else if (const Song* song = context_.catalogue().song(p.itemId)) {
            rows.push_back({song, &p});
        }
    }
    const ListPage page(call.request.integer(3), rows.size());
    WireReply reply;
    page.header(reply).text(historyTitle(kind)).text(list_codes::kPurchase);
    const SongFields fields(context_.catalogue());
    for (const HistoryRow& row : page.of(rows)) {
        fields.withQuality(reply, *row.song);
        reply.number(row.purchase->price).text(row.purchase->bought).text(row.purchase->expires);
        fields.extras(reply, *row.song);
        reply.number(row.song->serviceable ? 1 : 0);
    }
    return reply.str();
}

std::string HistoryCommands::cuttingBell(const CommandCall& call) const {
    const auto purchases = context_.history().purchases(call.request.userId(), PurchaseKind::RingCut);
    const ListPage page(call.request.integer(2), purchases.size());
    WireReply reply;
    page.header(reply).text(list_codes::kRingCut).text("");
    const SongFields fields(context_.catalogue());
    for (const PurchaseRow& p : page.of(purchases)) {
        static const Song missing;
        const Song* song = context_.catalogue().song(p.itemId);
        RingCut cut{p.itemId, "00:30", "01:10"};
        for (const RingCut& c : context_.catalogue().all().ringCuts)
            if (c.songId == p.itemId)
                cut = c;
        fields.withQuality(reply, song == nullptr ? missing : *song);
        reply.number(p.price).text(cut.sectionStart).text(cut.sectionEnd).text(p.bought);
        reply.text(freePeriodText()).text("T" + std::to_string(p.id));
    }
    return reply.str();
}

std::string HistoryCommands::mvBuyHistory(const CommandCall& call) const {
    const auto purchases = context_.history().purchases(call.request.userId(), PurchaseKind::MusicVideo);
    const ListPage page(call.request.integer(2), purchases.size());
    WireReply reply;
    page.header(reply).text(list_codes::kMvPurchase).text("");
    for (const PurchaseRow& p : page.of(purchases)) {
        const MusicVideo* mv = context_.catalogue().video(p.itemId);
        const Song* song = mv == nullptr ? nullptr : context_.catalogue().song(mv->songId);
        reply.text(p.itemId).text(mv == nullptr ? "" : mv->name).text(song == nullptr ? "" : song->artistId);
        reply.text(song == nullptr ? "" : context_.catalogue().artistName(*song));
        reply.text(mv == nullptr ? "" : mv->cast).text(mv == nullptr ? "" : mv->size).text(p.bought);
        reply.number(p.price);
    }
    return reply.str();
}

} // namespace kesto::service
