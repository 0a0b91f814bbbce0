#pragma once
// What the entries ask of the panel's song commands, on the ticked rows of the shown list.

#include <string_view>
#include <vector>

namespace kesto {

class SongOperations {
public:
    virtual ~SongOperations() = default;

    virtual void listen() = 0;
    // 1 a phone, any other an MP3 player.
    virtual void transferToDevice(int target) = 0;
    virtual void actOnNowPlaying(int action, const std::vector<int>& positions) = 0;
    // 0 the purchase dialog, 1 the gift dialog, other a download, for the song ids (separated
    // by ';').
    virtual void openDialog(int kind, std::string_view songIds) = 0;
    virtual void downloadChosen() = 0;
    virtual void downloadTicked() = 0;
    virtual void downloadGifts() = 0;
    virtual void openLyrics(std::string_view songId) = 0;
};

} // namespace kesto
