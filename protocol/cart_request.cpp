#include "protocol/cart_request.h"

#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/request_body.h"

namespace kesto {

ProtocolRequest CartRequest::add(const LoginBlock& login, const std::string& songId) {
    RequestBody body(login);
    body.add(login.menuParameter).add("1").add("0").add(songId).add("0");
    return {ProtocolUrl::command(login, proto::kAddToCart), body.text()};
}

ProtocolRequest CartRequest::remove(const LoginBlock& login, const std::vector<std::string>& cartItemIds) {
    RequestBody body(login);
    body.add(static_cast<std::int64_t>(cartItemIds.size()));
    for (const auto& id : cartItemIds)
        body.add(id);
    return {ProtocolUrl::command(login, proto::kDeleteFromCart), body.text()};
}

} // namespace kesto
