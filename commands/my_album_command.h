#pragma once
// Put into my album: streaming songs only (MP3 bells refused, local files excluded, grey
// songs by the grey-item rule); the my-album dialog picks the on-line album, which receives
// the songs by "addSongToMyAlbum".

#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"

#include <optional>
#include <string>

namespace kesto {

class MyAlbumCommand {
public:
    MyAlbumCommand(CommandContext& context, CommandOrigin origin) : context_(context), origin_(origin) {}

    // True when the server took the songs.
    bool run(const Selection& chosen) const;
    // The same rules, into an album already known (the one shown, when songs are dropped on it).
    bool runInto(const Selection& chosen, const std::string& albumId) const;

private:
    std::optional<Selection> eligible(const Selection& chosen) const;

    CommandContext& context_;
    CommandOrigin origin_;
};

} // namespace kesto
