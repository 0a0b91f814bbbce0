#pragma once
// The one table from window message, button command and panel message to the operation it
// reaches. Fixed for the life of the panel.

#include "pages/panel_handlers.h"

#include <cstdint>
#include <span>

namespace kesto {

enum class MessageSource : std::uint8_t { Window, Command, Panel };

struct DispatchEntry {
    using Handler = void (PanelHandlers::*)(PanelHandlers::W, PanelHandlers::L);

    MessageSource source;
    unsigned id;
    Handler handler;
};

class DispatchTable {
public:
    static std::span<const DispatchEntry> entries();
    static const DispatchEntry* find(MessageSource source, unsigned id);
    // Runs the operation of the message; false when the table has none.
    static bool dispatch(PanelHandlers& handlers, MessageSource source, unsigned id, PanelHandlers::W wParam,
                         PanelHandlers::L lParam);
};

} // namespace kesto
