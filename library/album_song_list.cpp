#include "library/album_song_list.h"

namespace kesto {

void AlbumSongList::clear() {
    songIds.clear();
    albumIds.clear();
    albumNames.clear();
    localPaths.clear();
    dates.clear();
}

RecordOrigin AlbumSongList::originAt(std::size_t i) const {
    return {songIds.at(i), albumNames.at(i), albumIds.at(i), dates.at(i)};
}

} // namespace kesto
