#pragma once
// The download request: at most one album and never an album with songs, at most 20 songs,
// grey songs out (told about on page kind 8), then "song" with the count and ids of the
// songs, then the direct-buy pricing and the purchase dialog.

#include "commands/command_box.h"
#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class DownloadRequest {
public:
    static constexpr int kMaxSongs = 20;
    static constexpr int kAlbumItem = 2;

    explicit DownloadRequest(CommandContext& context) : context_(context) {}

    // True when the purchase dialog was reached.
    bool run(const Selection& chosen, int mode) const;

private:
    // The album and song count rules; false when they stop the download.
    bool countsAllowed(const CommandBox& box, const Selection& songs) const;
    // The "song" exchange; false when it failed.
    bool askSongs(const CommandBox& box, const Selection& songs) const;

    CommandContext& context_;
};

} // namespace kesto
