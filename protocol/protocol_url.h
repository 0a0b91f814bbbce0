#pragma once
// Addresses of the protocol endpoint: the base, the endpoint path and the bare command word.

#include "songs/login_block.h"

#include <string>
#include <string_view>

namespace kesto {

class ProtocolUrl {
public:
    // protocol base + "/protocol.jsp?" + word
    static std::string command(const LoginBlock& login, std::string_view word);
    // protocol base + "/protocol_search.jsp?search"
    static std::string search(const LoginBlock& login);
    // The generic link form: the protocol base followed by a path that LinkItemRule accepts
    // (one '/', an endpoint, a listed word), so it stays on the base's host; empty otherwise.
    static std::string generic(const LoginBlock& login, std::string_view path);
};

} // namespace kesto
