#pragma once
// A line for the host's log about one message the module posted, taking over the malloc'ed
// text blocks that the message carries (they are the host's to free).

#include <cstdint>
#include <string>

namespace kesto {

class HostMessageText {
public:
    // UTF-8 text such as "1130 open web page: http://... | form". Frees the blocks it names.
    static std::string take(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
};

} // namespace kesto
