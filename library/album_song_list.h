#pragma once
// The songs of one album listing, as parallel arrays (one entry per listed song).

#include "library/record_origin.h"

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
    // What the record builder is told about entry i: its song id, the album's name as
    // source, its album id and its date.
    RecordOrigin originAt(std::size_t i) const;
    void clear();
};

} // namespace kesto
