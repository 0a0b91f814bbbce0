#include "entry/entry_args.h"

#include <cstring>

namespace kesto {

std::vector<std::string> EntryArgs::pathList(const char* list) {
    std::vector<std::string> paths;
    if (list == nullptr)
        return paths;
    for (const char* p = list; *p != '\0'; p += std::strlen(p) + 1)
        paths.emplace_back(p);
    return paths;
}

std::vector<int> EntryArgs::positions(const std::uint16_t* words) {
    std::vector<int> out;
    if (words == nullptr)
        return out;
    // A wide counter: a 16-bit one would wrap at a count of 65535 and never end.
    const std::size_t count = words[0];
    out.reserve(count);
    for (std::size_t i = 1; i <= count; ++i)
        out.push_back(words[i]);
    return out;
}

} // namespace kesto
