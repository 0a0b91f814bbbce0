#pragma once
// Requests that change the cart.

#include "protocol/list_request.h"

#include <string>
#include <vector>

namespace kesto {

class CartRequest {
public:
    // One song per request: current menu parameter, "1" (a song), "0", the song id, "0".
    // Several songs go as several requests, in selection order.
    static ProtocolRequest add(const LoginBlock& login, const std::string& songId);
    // The number of rows in decimal, then the cart item id of each row.
    static ProtocolRequest remove(const LoginBlock& login, const std::vector<std::string>& cartItemIds);
};

} // namespace kesto
