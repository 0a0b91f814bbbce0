#include "library/album_song.h"

namespace kesto {

AlbumSong AlbumSong::fromRecord(const Song& record, std::string_view albumId, std::string_view date) {
    AlbumSong song;
    song.albumId = std::string(albumId);
    song.songId = record.text(SongField::Song_ID);
    song.songType = record.File_Format;
    song.songName = record.text(SongField::Song_Name);
    song.playTime = record.Play_Time;
    song.artist = record.text(SongField::Artist_Name);
    song.albumTitle = record.text(SongField::Album_Name);
    // The column is a small int: kbps fits where bits per second would not.
    song.bitrate = record.Bitrate / 1000;
    song.listenCount = 0;
    song.date = std::string(date);
    song.expireDate = record.text(SongField::Expire_Date);
    song.localPath = record.text(SongField::Local_Path);
    return song;
}

} // namespace kesto
