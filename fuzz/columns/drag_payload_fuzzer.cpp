// A drop may bring data of our formats from another process: whatever the bytes, reading them
// gives a whole payload or nothing, and a payload read back encodes to the very same bytes.

#include "columns/drag_payload.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kesto::DragPayload;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The token the bytes claim is the one tried, so that the rest of them is read too.
    std::uint64_t claimed = 0;
    if (size >= 4 + sizeof claimed)
        std::memcpy(&claimed, data + 4, sizeof claimed);
    const auto payload = DragPayload::decode(bytes, claimed);
    if (payload)
        check(payload->encode() == bytes && payload->serial != 0);
    check(!DragPayload::decode(bytes, claimed ^ 1U));
    return 0;
}
