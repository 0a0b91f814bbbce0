#include "pages/download_tracker.h"

#include "commands/command_box.h"
#include "library/downloaded_songs.h"
#include "platform/failure_log.h"

#include <algorithm>

namespace kesto {

void DownloadTracker::started(const SongList& songs) {
    if (folder_().empty()) {
        FailureLog::write(LogCategory::Pages, "no download folder of the user's own can be made");
        CommandBox(box_).show(CommandText::NoDownloadFolder, mb::kExclamationOk);
    }
    for (const Song& song : songs)
        work_.push_back(std::make_unique<Song>(song));
}

bool DownloadTracker::running() {
    const DownloadedSongs here(folder_());
    std::erase_if(work_, [&here](const std::unique_ptr<Song>& song) { return here.holds(*song); });
    return !work_.empty();
}

bool DownloadTracker::onThisPc(const Song& song) const {
    return DownloadedSongs(folder_()).holds(song);
}

void DownloadTracker::install(CommandHooks& hooks) {
    hooks.downloadStarted = [this](const SongList& songs) { started(songs); };
    hooks.transferRunning = [this] { return running(); };
    hooks.onThisPc = [this](const Song& song) { return onThisPc(song); };
}

} // namespace kesto
