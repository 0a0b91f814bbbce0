#pragma once
// The host's request function (network table entry 4) over libcurl: one blocking HTTP
// exchange per call on the caller's thread.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace kesto {

class CurlRequest {
public:
    // A store that takes no connection, or sends nothing for this long, gets no reply.
    static constexpr long kConnectTimeoutSeconds = 5;
    static constexpr long kStallSeconds = 5;
    static constexpr long kStallBytesPerSecond = 1;
    // However the bytes come, an exchange ends by then: a store that trickles its reply just
    // above the stall rule cannot hold the caller's thread longer.
    static constexpr long kDeadlineSeconds = 30;
    // A reply is cut off (no reply) once it grows past this while it arrives.
    static constexpr std::size_t kMaxReplyBytes = std::size_t{64} << 20;
    // Only the web's own schemes, for the request and every redirection.
    static constexpr const char* kProtocols = "http,https";

    // Called on the caller's thread around each exchange, so that a window can show it waits.
    using WaitSign = std::function<void(bool waiting)>;
    static void setWaitSign(WaitSign sign);

    // (url, &data, &length, post flag, body or null, 1, 0) -> 1 with *data a malloc'ed block of
    // *length reply bytes (the caller frees it), 0 when no reply came in time (stalled, or not
    // whole by the deadline), the status was not 2xx or the reply grew too large.
    static int perform(const char* url, void** data, std::uint32_t* length, int post, const char* body,
                       int one, int zero);
};

} // namespace kesto
