#pragma once
// Dropped songs into a local album: local files (not MP3 bells) are inserted with the current
// local time as their date; streaming songs among them are downloaded at once, after a
// question, or not at all, as KTPCheck says. The caller shows the album again.

#include "commands/command_context.h"
#include "commands/selection.h"

#include <ctime>
#include <string_view>

namespace kesto {

class DropIntoAlbumCommand {
public:
    explicit DropIntoAlbumCommand(CommandContext& context) : context_(context) {}

    // Returns how many local files went into the album.
    int run(const Selection& dropped, std::string_view albumId, std::time_t now = std::time(nullptr)) const;

    // "%Y%m%d%H%M%S" of the local time.
    static std::string dateOf(std::time_t now);

private:
    bool downloadWanted() const;
    bool inAlbum(const Song& file, std::string_view albumId) const;

    CommandContext& context_;
};

} // namespace kesto
