#pragma once
// Song drags in the process's drag table (ProcessDragTable): a drag's entry is the source list's
// id, then its songs as fixed records.

#include "songs/song.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kesto {

class DragTable {
public:
    // The process's token, made from the system's random source at the first call; 0 when
    // there is no application or no random bytes (then no drag carries songs).
    static std::uint64_t token();
    // Keeps copies of the songs under a new serial until forget; 0 when they cannot be kept.
    // ProcessDragTable::forget lets them go.
    static std::uint64_t keep(std::uint64_t source, std::span<const Song* const> songs);
    // Whether the serial names a running drag.
    static bool runs(std::uint64_t serial);
    // Copies of a running drag's songs, in list order.
    static std::vector<Song> songsOf(std::uint64_t serial);
};

} // namespace kesto
