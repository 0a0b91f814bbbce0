#pragma once
// The songs of one album listing, as parallel arrays (one entry per listed song).

#include <string>
#include <vector>

namespace kesto {

struct AlbumSongList {
    std::vector<std::string> songIds;
    std::vector<std::string> albumIds;
    std::vector<std::string> albumNames; // the local album's name of each row
    std::vector<std::string> localPaths;
    std::vector<std::string> dates;

    std::size_t size() const { return songIds.size(); }
    void clear();
};

} // namespace kesto
