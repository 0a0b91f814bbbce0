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
    // the stream address (its key opens the stream for the seconds granted), the seconds that
    // may be played, the song name, the lyrics file name and 1 for a full play (0 for a
    // preview). The play is full when the user's purchases hold the song; the client's purchase
    // mark and full-play flag are not believed.
    std::string streaming(const CommandCall& call) const;
    std::string serverTime(const CommandCall& call) const;
    std::string promotion(const CommandCall& call) const;

    static constexpr const char* kStreamKey = "key";
    static std::string streamPath(const std::string& songId, const std::string& key) {
        return "/stream/" + songId + ".wav?" + kStreamKey + "=" + key;
    }

private:
    ServiceContext& context_;
};

} // namespace kesto::service
