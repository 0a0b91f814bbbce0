#pragma once
// The mini play list's total line: the number of songs and their playing time together.

#include <string>

namespace kesto {

class MiniTotals {
public:
    // "%d곡 | %02d:%02d:%02d" as UTF-8: count, then hours, minutes, seconds of totalSeconds.
    static std::string text(int count, long long totalSeconds);
};

} // namespace kesto
