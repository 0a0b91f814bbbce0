#pragma once
// The payload of a song drag as other clients of the display see it: the process's token and
// the serial of the drag, nothing else. The songs stay in this process, in the table of running
// drags; a payload from another process (whose token is not ours) names none of them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kesto {

struct DragPayload {
    std::uint64_t token = 0;  // the process that made it
    std::uint64_t serial = 0; // which drag of that process

    std::string encode() const;
    // A whole payload made with the token, or nothing.
    static std::optional<DragPayload> decode(std::string_view bytes, std::uint64_t token);
    // 64 bits from the system's random source, never 0; 0 only when the source fails.
    static std::uint64_t freshToken();
};

} // namespace kesto
