#pragma once
// One command exchange in the protocol envelope: sends by POST, shows the server's message
// for a negative code (telling the host when the log-in has ended) and hands the fields back.

#include "protocol/list_request.h"
#include "protocol/protocol_context.h"
#include "protocol/reply_fields.h"

#include <optional>

namespace kesto {

class ProtocolExchange {
public:
    // Nothing when no reply came (or the reply was empty); otherwise the fields, whatever
    // their code.
    static std::optional<ReplyFields> run(const ProtocolContext& context, const ProtocolRequest& request);
    // The fields of a reply already received, with the error shown as run does.
    static std::optional<ReplyFields> read(const ProtocolContext& context, std::string_view reply);
};

} // namespace kesto
