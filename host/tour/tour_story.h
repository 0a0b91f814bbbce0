#pragma once
// The tour's story of a first run: a chart, listening to it, the now-playing list while a
// song plays, a local album of the demo library and one of its songs playing, two songs
// downloaded into a play list. Each step works
// as a user would, through the page menu's entries, the panel's own buttons and the host's
// player.

#include "host/tour/page_tour.h"

#include <vector>

namespace kesto {

class TourStory {
public:
    static std::vector<TourStep> steps(MainWindow& window, HostSession& session, HostPlayer& player);
    // The panel's question or notice that is open, answered with its default button; false
    // when none is open.
    static bool answerOpenBox(MainWindow& window);
};

} // namespace kesto
