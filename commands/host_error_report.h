#pragma once
// Tells the host that a play or purchase request failed (message 1142): the server's negative
// code with a copy of its message, or -10000 when no reply came.

#include "protocol/protocol_context.h"

#include <string_view>

namespace kesto {

class HostErrorReport {
public:
    static constexpr int kNoReply = -10000;

    static void noReply(const ProtocolContext& context);
    // An empty message is sent as 0; the host frees the copy.
    static void serverCode(const ProtocolContext& context, int code, std::string_view message);
};

} // namespace kesto
