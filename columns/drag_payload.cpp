#include "columns/drag_payload.h"

#include <sys/auxv.h>
#include <unistd.h>

#include <cstring>

namespace kesto {

namespace {

constexpr std::string_view kMagic = "KDP1";
constexpr std::size_t kHeader = kMagic.size() + 3 * sizeof(std::uint64_t) + sizeof(std::uint32_t);

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
    out.reserve(kHeader + records.size() * sizeof(std::uint64_t));
    put(out, token);
    put(out, source);
    put(out, serial);
    put(out, static_cast<std::uint32_t>(records.size()));
    for (const Song* record : records)
        put(out, static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(record)));
    return out;
}

std::optional<DragPayload> DragPayload::decode(std::string_view bytes, std::uint64_t token) {
    if (bytes.size() < kHeader || bytes.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    std::size_t at = kMagic.size();
    DragPayload payload;
    payload.token = take<std::uint64_t>(bytes, at);
    payload.source = take<std::uint64_t>(bytes, at);
    payload.serial = take<std::uint64_t>(bytes, at);
    const auto count = take<std::uint32_t>(bytes, at);
    if (payload.token != token || (bytes.size() - kHeader) / sizeof(std::uint64_t) != count ||
        (bytes.size() - kHeader) % sizeof(std::uint64_t) != 0)
        return std::nullopt;
    payload.records.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto address = take<std::uint64_t>(bytes, at);
        if (address == 0)
            return std::nullopt;
        payload.records.push_back(reinterpret_cast<const Song*>(static_cast<std::uintptr_t>(address)));
    }
    return payload;
}

std::uint64_t DragPayload::processToken() {
    std::uint64_t random[2] = {};
    if (const auto* bytes = reinterpret_cast<const void*>(static_cast<std::uintptr_t>(getauxval(AT_RANDOM))))
        std::memcpy(random, bytes, sizeof random);
    const auto pid = static_cast<std::uint64_t>(getpid());
    // Never 0, which no payload carries by mistake.
    return (random[0] ^ (random[1] << 1) ^ (pid * 0x9E3779B97F4A7C15ULL)) | 1U;
}

} // namespace kesto
