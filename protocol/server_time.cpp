#include "protocol/server_time.h"

#include "protocol/protocol_exchange.h"
#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/request_body.h"

namespace kesto {

std::string ServerTime::fetch(const ProtocolContext& context) {
    const LoginBlock& login = *context.login;
    const auto fields = ProtocolExchange::run(
        context, {ProtocolUrl::command(login, proto::kServerTime), RequestBody(login).text()});
    if (!fields || fields->code() < 0)
        return {};
    return std::string(fields->raw(1));
}

} // namespace kesto
