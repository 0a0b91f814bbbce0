#pragma once
// The header of a DRM content format file, version 1: version byte, content-type length,
// content-URI length, the two texts, then the headers length and data length as uintvars and
// the textual headers ("Name: value" lines). Files that do not follow it are refused.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kesto {

struct DcfInfo {
    std::string contentType;
    std::string contentId; // the content URI, e.g. "cid:1234@local"
    std::vector<std::pair<std::string, std::string>> headers;
    std::uint32_t dataLength = 0;

    // Value of the first textual header of that name (case-insensitive), or empty.
    std::string header(std::string_view name) const;
    std::string title() const { return header("Content-Name"); }
    // "Bitrate" header in bits per second; a value below 1000 is taken as kbps. 0 when absent.
    int bitrate() const;
    // Content packaged on this PC.
    bool isLocal() const { return contentId.find("@local") != std::string::npos; }
    bool isBell() const;
};

class DcfHeader {
public:
    // Textual headers larger than this are refused rather than read.
    static constexpr std::uint32_t kMaxHeadersLength = 64 * 1024;
    // Enough leading bytes of a file for parse().
    static constexpr std::size_t kMaxPrefix = 3 + 255 + 255 + 5 + 5 + kMaxHeadersLength;

    // bytes: the file's first bytes (or all of it); fileSize: its whole size, to check that the
    // declared data is there.
    static std::optional<DcfInfo> parse(std::string_view bytes, std::uint64_t fileSize);
    static std::optional<DcfInfo> readFile(const std::filesystem::path& path);
};

} // namespace kesto
