#pragma once
// Lyrics the user asks for: the song's lyrics steps (a song without lyrics only gets the
// message), or the plain lyrics page of a song id, both in the HTML area.

#include "commands/command_context.h"

#include <string_view>

namespace kesto {

class LyricsCommand {
public:
    explicit LyricsCommand(CommandContext& context) : context_(context) {}

    // False when the song has no lyrics (the message was shown).
    bool run(const Song& song) const;
    // "<protocol base>/lyrics.jsp?song_id=<id>"; an empty id shows nothing.
    void openPage(std::string_view songId) const;

private:
    CommandContext& context_;
};

} // namespace kesto
