#pragma once
// Playing: the play grant with the stream address, the server time and the promotion strip.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;

class PlayCommands {
public:
    static constexpr int kPreviewSeconds = 60;

    explicit PlayCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    // Menu id, item type, song id, "", purchase mark, joined text, full-play flag. Replies with
    // the stream address, the seconds that may be played, the song name, the lyrics file name
    // and 1 for a full play (0 for a preview).
    std::string streaming(const CommandCall& call) const;
    std::string serverTime(const CommandCall& call) const;
    std::string promotion(const CommandCall& call) const;

    static std::string streamPath(const std::string& songId) { return "/stream/" + songId + ".wav"; }

private:
    ServiceContext& context_;
};

} // namespace kesto::service
