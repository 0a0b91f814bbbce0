#pragma once
// What the host asks through entry 24 and what the panel or the mini list answers.

#include <string>

namespace kesto {

struct NextSongRequest {
    std::string hostText; // non-empty: the host plays on its own, no request is sent
    int playMode = 0;
    int position = 0;
    int restart = 0;
};

struct NextSongResult {
    int position = -1;
    std::string songName;
    std::string artist;
    std::string songId;
    // Reply fields 1 to 5 of the play exchange: the stream address (or the double-log-in
    // marker), the seconds the grant lets play, two texts handed on, the full-play flag.
    std::string streamAddress;
    int playSeconds = 0;
    std::string field3;
    std::string field4;
    int fullPlay = 0;
    int playTime = 0;
    int isLocal = 0;
    std::string localPath;
    int fileFormat = 0;
    int hasLyrics = 0;
    std::string storedText; // what entry 10 hands back later
    bool refused = false;   // a streaming song the store refused or never answered: nothing plays
};

} // namespace kesto
