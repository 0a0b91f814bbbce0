#include "protocol/server_error.h"

#include "protocol/protocol_words.h"

namespace kesto {

bool ServerError::endsLogin(int code) {
    return code == proto::kCodeSessionExpired || code == proto::kCodeDoubleLogin;
}

void ServerError::show(const ProtocolContext& context, int code, std::string_view message) {
    if (context.box != nullptr)
        context.box->show(message, kMessageBoxCaption, mb::kStopOk);
    if (endsLogin(code) && context.port != nullptr)
        context.port->post(context.host, KESTO_MSG_LOGIN_INVALID, 0, 0);
}

} // namespace kesto
