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
    out.reserve(words[0]);
    for (std::uint16_t i = 1; i <= words[0]; ++i)
        out.push_back(words[i]);
    return out;
}

} // namespace kesto
