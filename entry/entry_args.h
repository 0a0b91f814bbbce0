#pragma once
// Reading the raw arguments that the host passes to entries.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class EntryArgs {
public:
    // A NULL text reads as empty.
    static std::string_view text(const char* value) { return value != nullptr ? value : std::string_view(); }

    // A list of NUL-terminated paths ended by an empty one (double NUL); NULL is empty.
    static std::vector<std::string> pathList(const char* list);

    // A word array whose first word is the count of the positions after it; NULL is empty.
    static std::vector<int> positions(const std::uint16_t* words);
};

} // namespace kesto
