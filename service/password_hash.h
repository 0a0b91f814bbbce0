#pragma once
// Passwords kept as salted scrypt hashes, "scrypt$N$r$p$<salt hex>$<hash hex>", and checked
// in constant time. A row kept before hashing (the password itself) still matches, so that
// the account can be moved on to its hash.

#include <optional>
#include <string>
#include <string_view>

namespace kesto::service {

class PasswordHash {
public:
    // Interactive log-in cost: 16 MiB and a fraction of a second.
    static constexpr unsigned kCostLog2 = 14;
    static constexpr unsigned kBlockSize = 8;
    static constexpr unsigned kParallel = 1;
    static constexpr std::size_t kSaltBytes = 16;
    static constexpr std::size_t kHashBytes = 32;

    // Nothing when the system gives no random salt or the hash cannot be made.
    static std::optional<std::string> make(std::string_view password);
    static bool matches(std::string_view password, std::string_view kept);
    // False for a row kept before hashing.
    static bool isHash(std::string_view kept);
};

} // namespace kesto::service
