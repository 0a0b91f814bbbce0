#include "library/album_song.h"

namespace kesto {

AlbumSong AlbumSong::fromRecord(const SongRecord& record, std::string_view albumId, std::string_view date) {
    AlbumSong song;
    song.albumId = std::string(albumId);
    song.songId = record.Song_ID;
    song.songType = record.File_Format;
    song.songName = record.Song_Name;
    song.playTime = record.Play_Time;
    song.artist = record.Artist_Name;
    song.albumTitle = record.Album_Name;
    // The column is a small int: kbps fits where bits per second would not.
    song.bitrate = record.Bitrate / 1000;
    song.listenCount = 0;
    song.date = std::string(date);
    song.expireDate = record.Expire_Date;
    song.localPath = record.Local_Path;
    return song;
}

} // namespace kesto
