#pragma once
// Sends one request through the host's request function and takes the reply block over.

#include "include/kesto/panel_api.h"

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

class RequestSender {
public:
    // The reply bytes, or nothing when the URL is empty, the function is missing or the host
    // reports failure. A zero-length reply is a reply.
    static std::optional<std::string> exchange(KestoNetRequestFn request, const std::string& url, bool post,
                                               const std::string& body);

    // As exchange, with "no reply" read as the empty text.
    static std::string send(KestoNetRequestFn request, const std::string& url, bool post,
                            const std::string& body);
};

} // namespace kesto
