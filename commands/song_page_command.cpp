#include "commands/song_page_command.h"

#include "commands/command_box.h"
#include "protocol/web_handoff.h"

namespace kesto {

bool SongPageCommand::run(const Selection& chosen, Page page) const {
    if (chosen.empty())
        return false;
    const Song& song = chosen.songs().front().record;
    if (!song.isStreaming()) {
        // A local song's information is the panel's own dialog.
        if (page == Page::Information && song.isLocal() && context_.hooks.songInfo) {
            context_.hooks.songInfo(song);
            return true;
        }
        return false;
    }
    if (song.isGrey()) {
        CommandBox(context_.protocol.box).stop(CommandText::GreyShortNotice);
        return false;
    }
    const WebHandoff handoff(context_.protocol);
    return page == Page::Information ? handoff.songInformation(&song) : handoff.songWebPage(song);
}

} // namespace kesto
