#pragma once
// The values of one album row to insert (CP949 texts). The song id given here is not stored:
// the row takes the id already recorded for its path, or its own row ID.

#include "songs/song.h"

#include <string>
#include <string_view>

namespace kesto {

struct AlbumSong {
    std::string albumId;
    std::string songId;
    int songType = 0;
    std::string songName;
    int playTime = 0;
    std::string artist;
    std::string albumTitle;
    int bitrate = 0;
    int listenCount = 0;
    std::string date; // "%Y%m%d%H%M%S" or empty for today
    int readMark = 0;
    std::string expireDate;
    std::string localPath;

    // A row for a song record: its fields, the given album and date (empty: today), bit rate
    // in kbps.
    static AlbumSong fromRecord(const Song& record, std::string_view albumId, std::string_view date);
};

} // namespace kesto
