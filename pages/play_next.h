#pragma once
// Entry 24 for the panel: picks the next entry of the now-playing store by the play order,
// marks it current and, for a streaming song and no text of the host's, asks the server for
// its play grant.

#include "protocol/protocol_context.h"
#include "songs/next_song.h"

namespace kesto {

class SongStore;

class PlayNext {
public:
    static NextSongResult run(SongStore& nowPlaying, const ProtocolContext& context,
                              const NextSongRequest& request);
};

} // namespace kesto
