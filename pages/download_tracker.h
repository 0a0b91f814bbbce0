#pragma once
// The downloads the panel handed to the host and the songs already on this PC. A download
// runs until every song handed over has arrived in the download folder; until then the
// panel's work list holds it.

#include "commands/command_hooks.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace kesto {

class DownloadTracker {
public:
    using WorkList = std::vector<std::unique_ptr<Song>>;
    using Folder = std::function<std::filesystem::path()>;

    DownloadTracker(WorkList& work, Folder folder, MessageBox* box = nullptr)
        : work_(work), folder_(std::move(folder)), box_(box) {}

    // Tells the user when no download folder of theirs can be made (the songs are still
    // tracked: the host may put them elsewhere).
    void started(const SongList& songs);
    // Drops the songs that have arrived; true while any is still on its way.
    bool running();
    bool onThisPc(const Song& song) const;

    // Sets downloadStarted, transferRunning and onThisPc.
    void install(CommandHooks& hooks);

private:
    WorkList& work_;
    Folder folder_;
    MessageBox* box_;
};

} // namespace kesto
