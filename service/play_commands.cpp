#include "service/play_commands.h"

#include "service/service_context.h"
#include "service/wire_reply.h"

#include <algorithm>

namespace kesto::service {
namespace {

constexpr std::size_t kSongIdField = 4;

} // namespace

void PlayCommands::install(CommandRouter& router) {
    router.add("streaming", 5, [this](const CommandCall& c) { return streaming(c); });
    router.add("getstnlyricsinfo2", 5, [this](const CommandCall& c) { return streaming(c); });
    router.add("serverTime", 2, [this](const CommandCall& c) { return serverTime(c); });
    router.add("promotion", 2, [this](const CommandCall& c) { return promotion(c); });
}

std::string PlayCommands::streaming(const CommandCall& call) const {
    const WireRequest& r = call.request;
    const Song* song = context_.catalogue().song(r.field(kSongIdField));
    if (song == nullptr)
        return WireReply::error(ServiceCode::NotFound);
    if (!song->serviceable)
        return WireReply::error(ServiceCode::NotServiceable);
    // Whatever the client says of its purchase or its class, a full play is one the user paid for.
    const bool full = context_.history().owns(r.userId(), song->id, song->albumId, context_.stamp());
    const int seconds = full ? song->playTime : std::min(song->playTime, kPreviewSeconds);
    const auto key = context_.streamTickets().issue(song->id, seconds, context_.now());
    if (!key)
        return WireReply::error(ServiceCode::StoreFailure);
    context_.history().recordListen(r.userId(), song->id, context_.stamp());
    WireReply reply;
    reply.plainNumber(0).text(call.baseUrl + streamPath(song->id, *key));
    reply.plainNumber(seconds).text(song->name);
    reply.text(song->lyrics.empty() ? std::string() : song->id + ".mmp").plainNumber(full ? 1 : 0);
    return reply.str();
}

std::string PlayCommands::serverTime(const CommandCall& call) const {
    (void)call;
    return WireReply().plainNumber(0).text(context_.stamp()).str();
}

std::string PlayCommands::promotion(const CommandCall& call) const {
    const auto& promotions = context_.catalogue().all().promotions;
    WireReply reply;
    reply.plainNumber(static_cast<std::int64_t>(promotions.size()));
    int order = 0;
    for (const Promotion& p : promotions) {
        reply.text(p.id).text(p.title).text(p.link).text(call.baseUrl + "/images/" + p.id + ".png");
        reply.text(context_.stamp())
            .text(context_.stamp(30LL * 24 * 60 * 60))
            .plainNumber(1)
            .plainNumber(++order);
    }
    return reply.str();
}

} // namespace kesto::service
