#include "library/album_row.h"

#include <array>
#include <strings.h>

namespace kesto {

namespace {
struct FieldName {
    const char* name;
    std::string AlbumRow::*field;
};

constexpr std::array<FieldName, 15> kFields = {{
    {"x.Album_ID", &AlbumRow::albumId},
    {"x.Song_Name", &AlbumRow::songName},
    {"x.Play_Time", &AlbumRow::playTime},
    {"x.Artist_Name", &AlbumRow::artistName},
    {"x.Album_Name", &AlbumRow::songAlbum},
    {"y.Album_Name", &AlbumRow::albumName},
    {"x.Song_Type", &AlbumRow::songType},
    {"x.Bitrate", &AlbumRow::bitrate},
    {"x.Listen_Count", &AlbumRow::listenCount},
    {"x.Date", &AlbumRow::date},
    {"x.ExpireDate", &AlbumRow::expireDate},
    {"x.Local_Path", &AlbumRow::localPath},
    {"x.bRead", &AlbumRow::readMark},
    {"x.Song_ID", &AlbumRow::songId},
    {"count(x.Song_ID)", &AlbumRow::songIdCount},
}};
} // namespace

AlbumRow::Field AlbumRow::fieldNamed(std::string_view name) {
    for (const auto& entry : kFields) {
        const std::string_view known(entry.name);
        if (known.size() == name.size() && strncasecmp(known.data(), name.data(), name.size()) == 0)
            return entry.field;
    }
    return nullptr;
}

void AlbumRow::setField(std::string_view name, std::string_view value) {
    if (const Field field = fieldNamed(name))
        this->*field = std::string(value);
}

} // namespace kesto
