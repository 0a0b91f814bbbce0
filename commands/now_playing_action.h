#pragma once
// The actions of the host's now-playing list (panel entry 62): an action number and the
// chosen positions, handed to the song command of that number.

#include "commands/command_context.h"

#include <cstdint>

namespace kesto {

class NowPlayingAction {
public:
    enum : int {
        kCart = 0,
        kPlayList = 1,
        kMyAlbum = 2,
        kGift = 3,
        kDownload = 4,
        kServerRequest = 5, // the panel's own: the shown list asked again
        kPhone = 6,
        kMp3Player = 7,
        kSongInformation = 8,
        kSongWebPage = 9,
    };

    // positions[0] is the count; unknown actions do nothing. True when the command went through.
    static bool run(CommandContext& context, int action, const std::uint16_t* positions);
};

} // namespace kesto
