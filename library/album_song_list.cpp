#include "library/album_song_list.h"

namespace kesto {

void AlbumSongList::clear() {
    songIds.clear();
    albumIds.clear();
    albumNames.clear();
    localPaths.clear();
    dates.clear();
}

} // namespace kesto
