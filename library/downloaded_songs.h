#pragma once
// Which streaming songs are on this PC: a file in the download folder named after the song's
// id, its name, or "artist - name" (any extension; names compared in the file system's text).

#include "songs/song.h"

#include <filesystem>
#include <set>
#include <string>

namespace kesto {

class DownloadedSongs {
public:
    explicit DownloadedSongs(const std::filesystem::path& folder);

    bool holds(const Song& song) const;

private:
    std::set<std::string> stems_;
};

} // namespace kesto
