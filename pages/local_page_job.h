#pragma once
// The work handed to a background reader of a local page: the files to list with four
// optional texts per file (song id, source, album id, date added), the view mode and the page
// kind to report back. The reader owns it and drops it when it ends.

#include "library/album_song_list.h"
#include "library/record_origin.h"

#include <string>
#include <vector>

namespace kesto {

struct LocalPageJob {
    std::vector<std::string> paths;
    // Either empty or as long as paths.
    std::vector<std::string> songIds;
    std::vector<std::string> sources;
    std::vector<std::string> albumIds;
    std::vector<std::string> addedDates;
    int viewMode = 0;
    int pageKind = 0;

    bool hasMetadata() const { return !songIds.empty(); }
    RecordOrigin originOf(std::size_t i) const;

    // Paths alone; empty paths are left out.
    static LocalPageJob ofFiles(const std::vector<std::string>& paths, int viewMode, int pageKind);
    // The rows of an album listing, with the album's name as the source.
    static LocalPageJob ofAlbum(const AlbumSongList& songs, int viewMode, int pageKind);
};

} // namespace kesto
