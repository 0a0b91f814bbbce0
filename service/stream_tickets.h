#pragma once
// The keys that open a stream. Each play grant issues one for its user's song and the seconds
// granted; the stream is served only for a key that is known, not outlived and names that
// song, and only as many seconds as the grant gave.

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace kesto::service {

class StreamTickets {
public:
    // Long enough to play, pause and seek a song; after that the player asks for a new grant.
    static constexpr std::int64_t kLifetimeSeconds = 6 * 60 * 60;
    // The oldest keys go first beyond this many.
    static constexpr std::size_t kMaxTickets = 4096;

    // A new key for the song; nothing when the system gives no random bytes.
    std::optional<std::string> issue(const std::string& songId, int seconds, std::int64_t now);
    // The seconds the key grants for the song; nothing for any other key or song.
    std::optional<int> seconds(const std::string& key, const std::string& songId, std::int64_t now);

private:
    struct Ticket {
        std::string songId;
        int seconds = 0;
        std::int64_t issued = 0;
    };

    std::mutex lock_;
    std::map<std::string, Ticket> tickets_;
    std::deque<std::string> order_; // oldest first
};

} // namespace kesto::service
