#pragma once
// Builds the bytes of a DRM content format file, version 1, for tests and the seed corpus.

#include <cstdint>
#include <string>

namespace kesto::test {

inline std::string uintvar(std::uint32_t value) {
    std::string out(1, static_cast<char>(value & 0x7F));
    while (value >>= 7)
        out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    return out;
}

inline std::string dcfBytes(const std::string& contentType, const std::string& contentUri,
                            const std::string& headers, const std::string& data, int version = 1) {
    std::string out;
    out += static_cast<char>(version);
    out += static_cast<char>(contentType.size());
    out += static_cast<char>(contentUri.size());
    out += contentType + contentUri;
    out += uintvar(static_cast<std::uint32_t>(headers.size()));
    out += uintvar(static_cast<std::uint32_t>(data.size()));
    return out + headers + data;
}

} // namespace kesto::test
