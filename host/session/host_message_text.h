#pragma once
// Reads one message the module posted to the host, taking over the malloc'ed text blocks that
// it carries (they are the host's to free): their texts, and a line for the host's log.

#include <cstdint>
#include <string>

namespace kesto {

struct HostMessage {
    unsigned number = 0;
    std::intptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::string url;  // CP949: the page of 1130, 1153 to 1157
    std::string form; // CP949: the form text of 1130, 1151 to 1157
    std::string text; // CP949: the server's message of 1142, the song id of 1426
    std::string line; // UTF-8, such as "1130 open web page: http://... | form"
};

class HostMessageText {
public:
    // Frees the blocks the message names.
    static HostMessage read(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
    // Only the log line.
    static std::string take(unsigned message, std::intptr_t wParam, std::intptr_t lParam);
};

} // namespace kesto
