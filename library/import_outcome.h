#pragma once
// What became of each path handed to an import: nothing is dropped without a trace.

#include <string>
#include <vector>

namespace kesto {

struct ImportOutcome {
    // A file already in the now-playing list: where it is and under which song id.
    struct Match {
        std::string path;
        int position;
        std::string songId;
    };

    std::vector<std::string> added;      // paths listed (for a folder page: the copies)
    std::vector<std::string> refused;    // types that this place does not take
    std::vector<std::string> unreadable; // tags or DCF header unreadable, or the path too long
    std::vector<std::string> present;    // already in the album, or the folder has that name
    std::vector<std::string> failed;     // the database insert or the copy failed
    std::vector<Match> nowPlaying;       // already in the now-playing list
};

} // namespace kesto
