#pragma once
// Entry 24 for the panel: picks the next entry of the now-playing store by the play order,
// marks it current and, for a streaming song and no text of the host's, asks the server for
// its play grant. A local song of an album counts one more listen there.

#include "protocol/protocol_context.h"
#include "songs/next_song.h"

namespace kesto {

class MyAlbumDb;
class SongStore;

class PlayNext {
public:
    static NextSongResult run(SongStore& nowPlaying, const ProtocolContext& context,
                              const NextSongRequest& request, MyAlbumDb* albums = nullptr);
};

} // namespace kesto
