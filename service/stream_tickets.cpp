#include "service/stream_tickets.h"

#include <sys/random.h>

#include <array>

namespace kesto::service {
namespace {

constexpr std::size_t kKeyBytes = 16;

std::optional<std::string> randomKey() {
    std::array<unsigned char, kKeyBytes> bytes{};
    if (::getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
        return std::nullopt;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string key;
    for (const unsigned char byte : bytes) {
        key += kDigits[byte >> 4];
        key += kDigits[byte & 0xF];
    }
    return key;
}

} // namespace

std::optional<std::string> StreamTickets::issue(const std::string& songId, int seconds, std::int64_t now) {
    auto key = randomKey();
    if (!key)
        return std::nullopt;
    const std::lock_guard guard(lock_);
    while (order_.size() >= kMaxTickets) {
        tickets_.erase(order_.front());
        order_.pop_front();
    }
    tickets_[*key] = {songId, seconds, now};
    order_.push_back(*key);
    return key;
}

std::optional<int> StreamTickets::seconds(const std::string& key, const std::string& songId,
                                          std::int64_t now) {
    const std::lock_guard guard(lock_);
    const auto found = tickets_.find(key);
    if (found == tickets_.end() || found->second.songId != songId ||
        now - found->second.issued > kLifetimeSeconds)
        return std::nullopt;
    return found->second.seconds;
}

} // namespace kesto::service
