#pragma once
// Puts downloaded songs into a local album: one row per song with the path the host writes it
// to (the download folder, the song's id, ".dcf"), so that the album lists the songs that the
// host was handed. A song already in the album keeps its one row.

#include "songs/song.h"

#include <ctime>
#include <filesystem>
#include <string_view>
#include <vector>

namespace kesto {

class MyAlbumDb;

class DownloadIntoAlbum {
public:
    static constexpr std::string_view kExtension = ".dcf";

    DownloadIntoAlbum(MyAlbumDb& db, std::filesystem::path folder) : db_(db), folder_(std::move(folder)) {}

    static std::filesystem::path destination(const std::filesystem::path& folder, const Song& song);
    // How many songs were inserted.
    int put(const std::vector<Song>& songs, std::string_view albumId, std::time_t now) const;

private:
    MyAlbumDb& db_;
    std::filesystem::path folder_;
};

} // namespace kesto
