#pragma once
// A song without lyrics: the user is told, and no lyrics are asked for.

#include "platform/message_box.h"
#include "songs/song.h"

namespace kesto {

class LyricsNotice {
public:
    // True when the song has lyrics; otherwise the message is shown.
    static bool hasLyrics(MessageBox* box, const Song& song);
};

} // namespace kesto
