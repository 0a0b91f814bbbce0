#pragma once
// Sends one request through the host's request function and takes the reply block over.

#include "include/kesto/panel_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kesto {

class RequestSender {
public:
    // The store's replies are kilobytes; a larger one is refused like a failed request, so that
    // a hostile server cannot make the panel split and store hundreds of megabytes.
    static constexpr std::uint32_t kMaxReplyBytes = 64u << 20;

    // The reply bytes, or nothing when the URL is empty, the function is missing, the host
    // reports failure or the reply is over kMaxReplyBytes. A zero-length reply is a reply.
    static std::optional<std::string> exchange(KestoNetRequestFn request, const std::string& url, bool post,
                                               const std::string& body);

    // As exchange, with "no reply" read as the empty text.
    static std::string send(KestoNetRequestFn request, const std::string& url, bool post,
                            const std::string& body);
};

} // namespace kesto
