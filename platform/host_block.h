#pragma once
// Hand-over of malloc'ed blocks between the host and the module: reply blocks come from the
// host and are freed here; text buffers posted to the host are malloc'ed here and freed there.

#include <cstdint>
#include <string>
#include <string_view>

namespace kesto {

class HostBlock {
public:
    // Copies exactly length bytes of a host reply block (not NUL-terminated) and frees it.
    static std::string takeReply(void* data, std::uint32_t length);

    // A NUL-terminated malloc'ed copy of text, at least minSize bytes (zero-filled beyond the
    // text); the receiver frees it. Null when memory runs out.
    static char* copyForHost(std::string_view text, std::size_t minSize = 0);

    // A malloc'ed copy of raw bytes; the receiver frees it.
    static void* copyBytes(const void* data, std::size_t size);
};

} // namespace kesto
