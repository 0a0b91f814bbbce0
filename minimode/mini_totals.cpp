#include "minimode/mini_totals.h"

#include <cstdio>

namespace kesto {

std::string MiniTotals::text(int count, long long totalSeconds) {
    if (totalSeconds < 0)
        totalSeconds = 0;
    char line[96];
    std::snprintf(line, sizeof line, "%d곡 | %02lld:%02lld:%02lld", count, totalSeconds / 3600,
                  totalSeconds / 60 % 60, totalSeconds % 60);
    return line;
}

} // namespace kesto
