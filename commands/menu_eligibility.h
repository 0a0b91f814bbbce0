#pragma once
// Which context menu commands the chosen songs can take: an item is greyed when no chosen song
// would pass the command's own rule, so the menu never offers what the command then refuses.

#include "songs/song.h"

#include <vector>

namespace kesto {

class MenuEligibility {
public:
    // chosen: the records of the selected rows, in row order.
    static bool enabled(int commandId, const std::vector<const Song*>& chosen);

private:
    static bool any(const std::vector<const Song*>& chosen, bool (*rule)(const Song&));
};

} // namespace kesto
