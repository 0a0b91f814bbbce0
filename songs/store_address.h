#pragma once
// Whether an address is a page of the store: http or https with the scheme, host and port of
// the protocol base or the web base of the log-in. Only such pages load in the panel's view,
// act for the user, or go to the host to be opened.

#include "songs/login_block.h"

#include <string_view>

namespace kesto {

class StoreAddress {
public:
    // Never without bases; an address with user information, a '\', a blank or a control byte
    // in its host part is never one.
    static bool isStorePage(const LoginBlock& login, std::string_view address);
};

} // namespace kesto
