#pragma once
// The play exchange: asks the server for the play grant of a streaming song and hands the
// reply's fields back for the host.

#include "songs/song_record.h"
#include "protocol/protocol_context.h"
#include "protocol/request_body.h"

#include <cstdint>
#include <string>

namespace kesto {

struct PlayResult {
    bool answered = false; // a reply came
    bool granted = false;  // its code was 0 or more
    std::string text1;     // the double-log-in marker when the log-in is in use elsewhere
    std::int32_t value2 = 0;
    std::string text3;
    std::string text4;
    std::int32_t value5 = 0;
};

class StreamingExchange {
public:
    explicit StreamingExchange(const ProtocolContext& context) : context_(context) {}

    // The address of the command that the play command setting selects.
    std::string url() const;
    RequestBody body(const SongRecord& song) const;
    PlayResult play(const SongRecord& song) const;
    // Reads a play reply; shows the server error for a negative code.
    PlayResult read(const std::string& reply) const;

private:
    const ProtocolContext& context_;
};

} // namespace kesto
