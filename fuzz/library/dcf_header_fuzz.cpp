// DCF headers come from files of unknown origin: parsing must never read past the bytes, and
// what it accepts must be consistent with what it was given.
#include "library/dcf_header.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::uint64_t fileSize : {std::uint64_t{size}, std::uint64_t{size} * 4})
        if (const auto info = kesto::DcfHeader::parse(bytes, fileSize)) {
            if (info->contentType.empty() || info->contentId.empty() || info->contentType.size() > 255 ||
                info->contentId.size() > 255 || info->dataLength > fileSize)
                std::abort();
            (void)info->title();
            (void)info->bitrate();
            (void)info->isLocal();
            (void)info->isBell();
        }
    return 0;
}
