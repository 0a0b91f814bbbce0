#pragma once
// The download request: at most one album and never an album with songs, at most 20 songs,
// grey songs out (told about on page kind 8), then "song" with the count and ids of the
// songs, then the direct-buy pricing and the purchase dialog of the download's mode.

#include "commands/command_box.h"
#include "commands/command_context.h"
#include "commands/selection.h"

#include <string>

namespace kesto {

class DownloadRequest {
public:
    static constexpr int kMaxSongs = 20;
    static constexpr int kAlbumItem = 2;
    // The modes, each with its own purchase dialog: the user's own download (button 1050, the
    // row's download icon, entry 69), a download whose songs go into a play list (songs dropped
    // into a local album, entry 63), and one the host asks for (entry 70 outside the gift box).
    static constexpr int kOwnDownload = 0;
    static constexpr int kIntoPlayList = 1;
    static constexpr int kHostAsked = 2;

    explicit DownloadRequest(CommandContext& context) : context_(context) {}

    // True when the purchase dialog was reached. intoAlbum: the local album that songs dropped
    // into it go to once they are downloaded.
    bool run(const Selection& chosen, int mode, const std::string& intoAlbum = {}) const;

private:
    // The album and song count rules; false when they stop the download.
    bool countsAllowed(const CommandBox& box, const Selection& songs) const;
    // The "song" exchange; false when it failed.
    bool askSongs(const CommandBox& box, const Selection& songs) const;

    CommandContext& context_;
};

} // namespace kesto
