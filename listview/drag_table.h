#pragma once
// The running song drags of this process, by serial: what a drag carries stays here, and its
// data names only the serial and the process's token (DragPayload). The table hangs on the
// application object and holds nothing but Qt's own types (the songs as fixed records), so
// every copy of this code in the
// process (the module and a program that links the same rooms) shares it, and it never
// outlives the code that made it. GUI thread only.

#include "songs/song.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kesto {

class DragTable {
public:
    // The process's token, made from the system's random source at the first call; 0 when
    // there is no application or no random bytes (then no drag carries songs).
    static std::uint64_t token();
    // Keeps copies of the songs under a new serial until forget; 0 when they cannot be kept.
    static std::uint64_t keep(std::uint64_t source, std::span<const Song* const> songs);
    static void forget(std::uint64_t serial);
    // The list a running drag started in; nothing when the serial names no running drag.
    static std::optional<std::uint64_t> sourceOf(std::uint64_t serial);
    // Copies of a running drag's songs, in list order.
    static std::vector<Song> songsOf(std::uint64_t serial);
};

} // namespace kesto
