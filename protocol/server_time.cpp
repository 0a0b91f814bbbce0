#include "protocol/server_time.h"

#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/reply_fields.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"
#include "protocol/server_error.h"

namespace kesto {

std::string ServerTime::fetch(const ProtocolContext& context) {
    const std::string reply =
        RequestSender::send(context.request, ProtocolUrl::command(*context.login, proto::kServerTime), true,
                            RequestBody(*context.login).text());
    if (reply.empty())
        return {};
    const ReplyFields fields(reply);
    if (fields.code() < 0) {
        ServerError::show(context, fields.code(), fields.raw(1));
        return {};
    }
    return std::string(fields.raw(1));
}

} // namespace kesto
