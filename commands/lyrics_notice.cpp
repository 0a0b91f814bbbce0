#include "commands/lyrics_notice.h"

#include "commands/command_box.h"

namespace kesto {

bool LyricsNotice::hasLyrics(MessageBox* box, const Song& song) {
    if (song.Has_Lyrics != 0)
        return true;
    CommandBox(box).stop(CommandText::NoLyrics);
    return false;
}

} // namespace kesto
