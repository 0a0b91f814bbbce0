#pragma once
// The reply of the song command: one song record that goes into the now-playing store and is
// played at once.

#include "protocol/protocol_context.h"
#include "songs/song.h"

#include <string_view>

namespace kesto {

class SongStore;

class SongCommandReply {
public:
    // Fills record from a successful reply; false (after showing the server error) for a
    // negative code, and false for an empty reply.
    static bool read(const ProtocolContext& context, std::string_view reply, Song& record);

    // Reads the reply into a copy of base, puts it into the now-playing store (after the
    // present entries when append is set, else in their place) and tells the host to play it.
    // The record's position in the store, or -1 when nothing was played.
    static int play(const ProtocolContext& context, std::string_view reply, const Song& base,
                    SongStore& nowPlaying, bool append);
};

} // namespace kesto
