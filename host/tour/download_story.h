#pragma once
// The tour's download: a play list made for it, the first two songs of a chart ticked with the
// keys and downloaded into that list through the panel's own button and dialog, then the list
// and the download storage pictured with the songs in them.

#include "host/tour/page_tour.h"

#include <QString>

#include <vector>

class QWidget;

namespace kesto {

class DownloadStory {
public:
    static constexpr const char* kPlayList = "내려받은 곡"; // UTF-8
    static constexpr int kSongs = 2;

    static std::vector<TourStep> steps(MainWindow& window, HostSession& session);

    // Ticks the first `count` rows of the shown list as a user does: Home, then Space and Down.
    static void tickFirstRows(HostSession& session, int count);
    // Answers the dialog that is open: the download dialog takes the play list named playList
    // (UTF-8) and OK, a question or notice its default button. False when none is open.
    static bool answer(MainWindow& window, const QString& playList);
};

} // namespace kesto
