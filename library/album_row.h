#pragma once
// One result row of the album listing, filled by the qualified column names of the select over
// AlbumInfo_tbl x joined with AlbumName_tbl y.

#include <string>
#include <string_view>

namespace kesto {

struct AlbumRow {
    std::string albumId;     // x.Album_ID
    std::string songName;    // x.Song_Name
    std::string playTime;    // x.Play_Time
    std::string artistName;  // x.Artist_Name
    std::string songAlbum;   // x.Album_Name: the album tag of the song
    std::string albumName;   // y.Album_Name: the local album's name
    std::string songType;    // x.Song_Type
    std::string bitrate;     // x.Bitrate
    std::string listenCount; // x.Listen_Count
    std::string date;        // x.Date
    std::string expireDate;  // x.ExpireDate
    std::string localPath;   // x.Local_Path
    std::string readMark;    // x.bRead
    std::string songId;      // x.Song_ID
    std::string songIdCount; // count(x.Song_ID)

    using Field = std::string AlbumRow::*;

    // Stores value in the field called name (case-insensitive); other names are ignored.
    void setField(std::string_view name, std::string_view value);
    // The field called name, or null; lets a listing resolve its columns once.
    static Field fieldNamed(std::string_view name);
};

} // namespace kesto
