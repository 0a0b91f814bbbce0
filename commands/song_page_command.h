#pragma once
// The song information page and the song's web page, opened through the host for a
// streaming song; a grey song gets the short grey notice, a local file nothing.

#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class SongPageCommand {
public:
    enum class Page : std::uint8_t { Information, WebPage };

    explicit SongPageCommand(CommandContext& context) : context_(context) {}

    // Acts on the first chosen song; true when the page went to the host.
    bool run(const Selection& chosen, Page page) const;

private:
    CommandContext& context_;
};

} // namespace kesto
