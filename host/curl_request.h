#pragma once
// The host's request function (network table entry 4) over libcurl: one blocking HTTP
// exchange per call on the caller's thread.

#include <cstdint>

namespace kesto {

class CurlRequest {
public:
    // (url, &data, &length, post flag, body or null, 1, 0) -> 1 with *data a malloc'ed block of
    // *length reply bytes (the caller frees it), 0 when no reply came or the status was not 2xx.
    static int perform(const char* url, void** data, std::uint32_t* length, int post, const char* body,
                       int one, int zero);
};

} // namespace kesto
