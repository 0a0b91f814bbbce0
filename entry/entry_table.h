#pragma once
// The table of 76 entries that Song_GetPanelInfo hands to the host.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"

namespace kesto {

class EntryTable {
public:
    // The table for this host window, or null: window null, a window accepted already, or a
    // panel that exists. Fills the module state's table on success.
    static KestoEntryFn* accept(WindowHandle hostWindow);

    // Fills all 76 slots.
    static void fill(KestoEntryFn* table);

    // Puts fn into slot index; Fn is the slot's typedef, so a wrong signature does not compile.
    template <class Fn> static void put(KestoEntryFn* table, int index, Fn fn) {
        table[index] = reinterpret_cast<KestoEntryFn>(fn);
    }
};

} // namespace kesto
