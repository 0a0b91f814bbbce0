#pragma once
// The runs of song fields that the list layouts share, written in their order.

#include "service/catalogue_types.h"

namespace kesto::service {

class CatalogueStore;
class WireReply;

class SongFields {
public:
    explicit SongFields(const CatalogueStore& catalogue) : catalogue_(catalogue) {}

    // Song_ID, Service_Flags, Song_Name, Play_Time.
    void head(WireReply& reply, const Song& song) const;
    // Artist_ID, Artist_Name, Album_ID, Album_Name.
    void artistAlbum(WireReply& reply, const Song& song) const;
    // Phone_Deco, Has_Lyrics.
    void extras(WireReply& reply, const Song& song) const;
    // head, Quality_Flags, artistAlbum: the run most layouts start with.
    void withQuality(WireReply& reply, const Song& song) const;
    // head, artistAlbum, extras: the ten fields of album, artist and theme lists.
    void plain(WireReply& reply, const Song& song) const;
    // withQuality, extras: eleven fields of search rows and the song command.
    void full(WireReply& reply, const Song& song) const;

private:
    const CatalogueStore& catalogue_;
};

} // namespace kesto::service
