#pragma once
// The one table of the panel window from window message, button command and panel message to
// the part and method it reaches. The row, column, page number or text a message carries is
// read out of its two words here and nowhere else. Fixed for the life of the panel.

#include "pages/message_shapes.h"

#include <cstdint>
#include <span>

namespace kesto {

class PageNavigator;
class PanelWindowOps;
class RowWebPages;
class SongCommands;
class SongDrops;

// The parts of the panel that its messages reach.
struct PanelParts {
    PageNavigator& pages;
    RowWebPages& web;
    SongCommands& songs;
    SongDrops& drops;
    PanelWindowOps& window;
};

enum class MessageSource : std::uint8_t { Window, Command, Panel };

struct DispatchEntry {
    using Run = void (*)(PanelParts&, MessageWords);

    MessageSource source;
    unsigned id;
    Run run;
};

class DispatchTable {
public:
    static std::span<const DispatchEntry> entries();
    static const DispatchEntry* find(MessageSource source, unsigned id);
    // Runs the method of the message; false when the table has none. A button command that may
    // not act on the page shown is taken and dropped.
    static bool dispatch(PanelParts& parts, MessageSource source, unsigned id, MessageWords words);
};

} // namespace kesto
