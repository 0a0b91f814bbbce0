#include "columns/drag_payload.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>

namespace kesto {

namespace {

constexpr std::string_view kMagic = "KDP2";
constexpr std::size_t kSize = kMagic.size() + 2 * sizeof(std::uint64_t);

template <class T> void put(std::string& out, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

template <class T> T take(std::string_view bytes, std::size_t& at) {
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    at += sizeof value;
    return value;
}

} // namespace

std::string DragPayload::encode() const {
    std::string out(kMagic);
    put(out, token);
    put(out, serial);
    return out;
}

std::optional<DragPayload> DragPayload::decode(std::string_view bytes, std::uint64_t token) {
    if (bytes.size() != kSize || bytes.substr(0, kMagic.size()) != kMagic || token == 0)
        return std::nullopt;
    std::size_t at = kMagic.size();
    DragPayload payload;
    payload.token = take<std::uint64_t>(bytes, at);
    payload.serial = take<std::uint64_t>(bytes, at);
    if (payload.token != token || payload.serial == 0)
        return std::nullopt;
    return payload;
}

std::uint64_t DragPayload::freshToken() {
    std::uint64_t token = 0;
    auto* bytes = reinterpret_cast<char*>(&token);
    std::size_t got = 0;
    while (got < sizeof token) {
        const ssize_t n = ::getrandom(bytes + got, sizeof token - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 0;
        got += static_cast<std::size_t>(n);
    }
    return token == 0 ? 1 : token;
}

} // namespace kesto
