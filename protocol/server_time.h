#pragma once
// Asks the server for its current time.

#include "protocol/protocol_context.h"

#include <string>

namespace kesto {

class ServerTime {
public:
    // The server's time as text; empty when no reply came or the server answered with an
    // error (which is shown).
    static std::string fetch(const ProtocolContext& context);
};

} // namespace kesto
