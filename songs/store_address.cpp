#include "songs/store_address.h"

#include <algorithm>
#include <optional>
#include <string>

namespace kesto {
namespace {

constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
constexpr int kMaxPort = 65535;

struct Origin {
    std::string scheme;
    std::string host;
    int port = 0;

    bool operator==(const Origin&) const = default;
};

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

bool plainAuthority(std::string_view authority) {
    return std::none_of(authority.begin(), authority.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte >= 0x7f || c == '@' || c == '\\';
    });
}

std::optional<int> portOf(std::string_view digits, int fallback) {
    if (digits.empty())
        return fallback;
    if (digits.size() > 5 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int port = std::stoi(std::string(digits));
    return port <= kMaxPort ? std::optional<int>(port) : std::nullopt;
}

// The origin of an http or https address, or nothing for any other or a malformed one.
std::optional<Origin> originOf(std::string_view address) {
    const std::size_t schemeEnd = address.find("://");
    if (schemeEnd == std::string_view::npos)
        return std::nullopt;
    Origin origin;
    origin.scheme = lower(address.substr(0, schemeEnd));
    if (origin.scheme != "http" && origin.scheme != "https")
        return std::nullopt;
    const std::string_view rest = address.substr(schemeEnd + 3);
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    if (authority.empty() || !plainAuthority(authority))
        return std::nullopt;
    std::string_view host = authority;
    std::string_view port;
    const std::size_t close = authority.front() == '[' ? authority.find(']') : std::string_view::npos;
    const std::size_t colon =
        close != std::string_view::npos ? authority.find(':', close) : authority.find(':');
    if (authority.front() == '[' &&
        (close == std::string_view::npos || (close + 1 < authority.size() && colon != close + 1)))
        return std::nullopt;
    if (colon != std::string_view::npos) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    const auto number = portOf(port, origin.scheme == "https" ? kHttpsPort : kHttpPort);
    if (host.empty() || !number)
        return std::nullopt;
    origin.host = lower(host);
    origin.port = *number;
    return origin;
}

bool sameOrigin(const std::optional<Origin>& page, const char* base) {
    const auto store = originOf(base);
    return store && *page == *store;
}

} // namespace

bool StoreAddress::isStorePage(const LoginBlock& login, std::string_view address) {
    const auto page = originOf(address);
    return page && (sameOrigin(page, login.protocolBase) || sameOrigin(page, login.webBase));
}

} // namespace kesto
