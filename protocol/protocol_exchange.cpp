#include "protocol/protocol_exchange.h"

#include "protocol/request_sender.h"
#include "protocol/server_error.h"

namespace kesto {

std::optional<ReplyFields> ProtocolExchange::run(const ProtocolContext& context,
                                                 const ProtocolRequest& request) {
    return read(context, RequestSender::send(context.request, request.url, true, request.body));
}

std::optional<ReplyFields> ProtocolExchange::read(const ProtocolContext& context, std::string_view reply) {
    if (reply.empty())
        return std::nullopt;
    ReplyFields fields(reply);
    if (fields.code() < 0)
        ServerError::show(context, fields.code(), fields.raw(1));
    return fields;
}

} // namespace kesto
