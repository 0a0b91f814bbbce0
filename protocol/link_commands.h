#pragma once
// Requests formed from the links of the service's pages: the link's parameter text is cut at
// ';' and its items are sent in order; a numeric item also chooses the view mode of the list.

#include "protocol/list_request.h"
#include "protocol/protocol_context.h"

#include <string_view>

namespace kesto {

struct LinkRequest {
    ProtocolRequest request; // an empty address sends nothing
    int menuId = 0;          // the menu id the reply is shown under; 0 when handled by the caller
    int viewMode = 0;        // 0 when the link chooses none
    bool albumPage = false;  // album links of type 1 set the panel's album-page flag
    bool webPage = false;    // the address is a web page for the view, not a list request
    std::string songId;      // song links: the song asked for
    bool refused = false;    // a link that must do nothing: its path names no listed command
};

class LinkCommands {
public:
    explicit LinkCommands(const ProtocolContext& context) : context_(context) {}

    LinkRequest song(std::string_view parameter) const;
    LinkRequest album(std::string_view parameter) const;
    LinkRequest artist(std::string_view parameter) const;
    LinkRequest serviceList(std::string_view parameter) const;
    LinkRequest theme(std::string_view parameter) const;
    LinkRequest search(std::string_view parameter) const;
    // The form whose first item follows the protocol base directly in the address.
    LinkRequest generic(std::string_view parameter) const;

private:
    LinkRequest firstItems(std::string_view word, std::string_view parameter, std::size_t count) const;

    const ProtocolContext& context_;
};

} // namespace kesto
