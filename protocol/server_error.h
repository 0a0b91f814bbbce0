#pragma once
// Shows a negative result code's message to the user and, for the codes that end the log-in,
// tells the host afterwards.

#include "protocol/protocol_context.h"

#include <string_view>

namespace kesto {

class ServerError {
public:
    static void show(const ProtocolContext& context, int code, std::string_view message);
    static bool endsLogin(int code);
};

} // namespace kesto
