#pragma once
// The payload of a song drag: the addresses of the dragged records, which live in the dragging
// list until the drag ends. It carries a token of the process that made it, so that data
// dragged in from another process (whose addresses mean nothing here) is never read as songs.

#include "songs/song.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

struct DragPayload {
    std::uint64_t token = 0;  // the process that made it
    std::uint64_t source = 0; // the list the drag started in
    std::uint64_t serial = 0; // which drag of that list
    std::vector<const Song*> records;

    std::string encode() const;
    // A whole payload made with the token, or nothing.
    static std::optional<DragPayload> decode(std::string_view bytes, std::uint64_t token);
    // The same in every library of this process and unknown outside it: the kernel's random
    // bytes for this process, mixed with its id.
    static std::uint64_t processToken();
};

} // namespace kesto
