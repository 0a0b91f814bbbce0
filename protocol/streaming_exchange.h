#pragma once
// The play exchange: asks the server for the play grant of a streaming song and hands the
// reply's fields back for the host.

#include "protocol/protocol_context.h"
#include "protocol/request_body.h"
#include "songs/song.h"

#include <cstdint>
#include <string>

namespace kesto {

struct PlayResult {
    bool answered = false;        // a reply came
    bool granted = false;         // its code was 0 or more
    std::string streamAddress;    // or the double-log-in marker when the log-in is in use elsewhere
    std::int32_t playSeconds = 0; // how long the grant lets the song play
    std::string field3;           // reply fields 3 and 4, handed on as they are
    std::string field4;
    std::int32_t fullPlay = 0; // non-zero: the whole song, else a preview
};

class StreamingExchange {
public:
    explicit StreamingExchange(const ProtocolContext& context) : context_(context) {}

    // The address of the command that the play command setting selects.
    std::string url() const;
    RequestBody body(const Song& song) const;
    PlayResult play(const Song& song) const;
    // Reads a play reply; shows the server error for a negative code.
    PlayResult read(const std::string& reply) const;

private:
    const ProtocolContext& context_;
};

} // namespace kesto
