#include "service/song_fields.h"

#include "service/catalogue_store.h"
#include "service/wire_reply.h"

namespace kesto::service {

void SongFields::head(WireReply& reply, const Song& song) const {
    reply.text(song.id).text(song.serviceFlags).text(song.name).number(song.playTime);
}

void SongFields::artistAlbum(WireReply& reply, const Song& song) const {
    reply.text(song.artistId).text(catalogue_.artistName(song));
    reply.text(song.albumId).text(catalogue_.albumName(song));
}

void SongFields::extras(WireReply& reply, const Song& song) const {
    reply.number(song.phoneDeco).number(song.lyrics.empty() ? 0 : 1);
}

void SongFields::withQuality(WireReply& reply, const Song& song) const {
    head(reply, song);
    reply.text(song.qualityFlags);
    artistAlbum(reply, song);
}

void SongFields::plain(WireReply& reply, const Song& song) const {
    head(reply, song);
    artistAlbum(reply, song);
    extras(reply, song);
}

void SongFields::full(WireReply& reply, const Song& song) const {
    withQuality(reply, song);
    extras(reply, song);
}

} // namespace kesto::service
