#pragma once
// Loads the login block from the host's login reply: 34 or more fields separated by VT (0x0B),
// taken by position. A shorter or empty reply changes nothing.

#include "songs/login_block.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class LoginReplyLoader {
public:
    static constexpr std::size_t kMinimumFields = 34;
    static constexpr char kSeparator = '\x0B';

    // True when the reply had enough fields and the block was loaded.
    static bool load(LoginBlock& block, std::string_view reply);

    // The text reversed character by character; two-byte CP949 characters stay whole.
    static std::string reversed(std::string_view text);

private:
    static std::vector<std::string_view> split(std::string_view reply);
};

} // namespace kesto
