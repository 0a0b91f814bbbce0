#include "pages/play_next.h"

#include "library/my_album_db.h"
#include "protocol/streaming_exchange.h"
#include "songs/song_store.h"

namespace kesto {

NextSongResult PlayNext::run(SongStore& nowPlaying, const ProtocolContext& context,
                             const NextSongRequest& request, MyAlbumDb* albums) {
    NextSongResult result;
    result.position = nowPlaying.nextEntry(request.position, request.playMode, request.restart);
    const Song* chosen = nowPlaying.get(result.position);
    if (chosen == nullptr)
        return result;
    nowPlaying.setCurrent(result.position);
    const Song song = *chosen; // the store may change while the server answers
    result.songName = song.text(SongField::Song_Name);
    result.artist = song.text(SongField::Artist_Name);
    result.songId = song.text(SongField::Song_ID);
    result.playTime = song.Play_Time;
    result.isLocal = song.isLocal() ? 1 : 0;
    result.localPath = song.text(SongField::Local_Path);
    result.fileFormat = song.File_Format;
    result.hasLyrics = song.Has_Lyrics;
    // What the host plays: the file of a local song, else the stream's address (set below).
    result.storedText = result.localPath;
    if (song.isLocal() && albums != nullptr)
        albums->countListen(song.text(SongField::Album_ID), song.text(SongField::Song_ID));
    if (!request.hostText.empty() || song.isLocal())
        return result;
    const PlayResult grant = StreamingExchange(context).play(song);
    result.streamAddress = grant.streamAddress; // the double-log-in marker when refused for that reason
    result.storedText = grant.streamAddress;
    result.refused = !grant.granted;
    if (grant.granted) {
        result.playSeconds = grant.playSeconds;
        result.field3 = grant.field3;
        result.field4 = grant.field4;
        result.fullPlay = grant.fullPlay;
    }
    return result;
}

} // namespace kesto
