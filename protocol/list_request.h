#pragma once
// The request of a list page the panel fetches itself, formed from the page table.

#include "songs/login_block.h"

#include <string>

namespace kesto {

struct ProtocolRequest {
    std::string url; // empty: nothing is sent
    std::string body;
};

class ListRequest {
public:
    // The request of menuId for list page number page; an empty request for pages that send
    // nothing themselves (local, device and link-driven pages, unknown ids).
    static ProtocolRequest build(const LoginBlock& login, int menuId, int page);
};

} // namespace kesto
