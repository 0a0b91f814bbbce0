#pragma once
// Requests that change the cart.

#include "protocol/list_request.h"

#include <string>
#include <vector>

namespace kesto {

class CartRequest {
public:
    // Current menu parameter, "1", "0", each song id, "0".
    static ProtocolRequest add(const LoginBlock& login, const std::vector<std::string>& songIds);
    // The number of rows in decimal, then the cart item id of each row.
    static ProtocolRequest remove(const LoginBlock& login, const std::vector<std::string>& cartItemIds);
};

} // namespace kesto
