#include "library/dcf_header.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <strings.h>

namespace kesto {

namespace {

constexpr std::uint8_t kVersion = 1;

class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::uint8_t> byte() {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        return static_cast<std::uint8_t>(bytes_[pos_++]);
    }
    std::optional<std::string_view> take(std::size_t n) {
        if (bytes_.size() - pos_ < n)
            return std::nullopt;
        const auto part = bytes_.substr(pos_, n);
        pos_ += n;
        return part;
    }
    // Seven bits per byte, high bit set on all but the last; at most five bytes, 32 bits.
    std::optional<std::uint32_t> uintvar() {
        std::uint64_t value = 0;
        for (int i = 0; i < 5; ++i) {
            const auto b = byte();
            if (!b)
                return std::nullopt;
            value = (value << 7) | (*b & 0x7Fu);
            if ((*b & 0x80u) == 0)
                return value <= 0xFFFFFFFFu ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(value))
                                            : std::nullopt;
        }
        return std::nullopt;
    }
    std::size_t position() const { return pos_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::pair<std::string, std::string>> parseHeaders(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> headers;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const auto name = trim(line.substr(0, colon));
        if (!name.empty())
            headers.emplace_back(std::string(name), std::string(trim(line.substr(colon + 1))));
    }
    return headers;
}

bool containsIgnoreCase(std::string_view text, std::string_view word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

} // namespace

std::string DcfInfo::header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (key.size() == name.size() && strncasecmp(key.data(), name.data(), name.size()) == 0)
            return value;
    return {};
}

int DcfInfo::bitrate() const {
    const std::string text = header("Bitrate");
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value <= 0 || value > 100'000'000)
        return 0;
    return static_cast<int>(value < 1000 ? value * 1000 : value);
}

bool DcfInfo::isBell() const {
    return containsIgnoreCase(contentType, "bell");
}

std::optional<DcfInfo> DcfHeader::parse(std::string_view bytes, std::uint64_t fileSize) {
    Cursor in(bytes);
    const auto version = in.byte();
    const auto typeLength = in.byte();
    const auto uriLength = in.byte();
    if (!version || *version != kVersion || !typeLength || !uriLength || *typeLength == 0 || *uriLength == 0)
        return std::nullopt;
    const auto type = in.take(*typeLength);
    const auto uri = in.take(*uriLength);
    const auto headersLength = in.uintvar();
    const auto dataLength = in.uintvar();
    if (!type || !uri || !headersLength || !dataLength || *headersLength > kMaxHeadersLength)
        return std::nullopt;
    const auto headers = in.take(*headersLength);
    if (!headers || in.position() + std::uint64_t{*dataLength} > fileSize)
        return std::nullopt;
    DcfInfo info;
    info.contentType = std::string(*type);
    info.contentId = std::string(*uri);
    info.headers = parseHeaders(*headers);
    info.dataLength = *dataLength;
    return info;
}

std::optional<DcfInfo> DcfHeader::readFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string prefix(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxPrefix)), '\0');
    file.read(prefix.data(), static_cast<std::streamsize>(prefix.size()));
    prefix.resize(static_cast<std::size_t>(file.gcount()));
    return parse(prefix, size);
}

} // namespace kesto
