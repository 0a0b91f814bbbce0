#pragma once
// One call of entry 24: zeroed out buffers of the sizes the interface gives, the answer as a
// plain struct (texts CP949, as the module wrote them).

#include "include/kesto/panel_api.h"

#include <string>

namespace kesto {

// Entry 24's out values, in the order the interface lists them.
struct NextSongAnswer {
    int position = -1;
    std::string songName;
    std::string artist;
    std::string songId;
    // The stream address (or the double-log-in marker), the seconds the grant lets play, two
    // texts handed on, the full-play flag.
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
};

class NextSongCall {
public:
    // The text the module hands back in place of a grant when the log-in is used elsewhere.
    static constexpr const char* kDoubleLogin = "$$$DOUBLELOGIN$$$";

    static NextSongAnswer ask(KestoEntry24 entry, int playMode, int position, bool restart);
    // True while ask() waits for entry 24 (on the GUI thread): what the module hands over then
    // belongs to the song being played.
    static bool asking();
    // Marks a call of entry 24 made without ask() for as long as it lives.
    class Scope {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };
};

} // namespace kesto
