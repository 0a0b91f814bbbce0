#pragma once
// One call of entry 24: zeroed out buffers of the sizes the interface gives, the answer as a
// plain struct (texts CP949, as the module wrote them).

#include "include/kesto/panel_api.h"
#include "songs/next_song.h"

namespace kesto {

class NextSongCall {
public:
    // The text the module hands back in place of a grant when the log-in is used elsewhere.
    static constexpr const char* kDoubleLogin = "$$$DOUBLELOGIN$$$";

    static NextSongResult ask(KestoEntry24 entry, int playMode, int position, bool restart);
};

} // namespace kesto
