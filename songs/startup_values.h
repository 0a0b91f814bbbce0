#pragma once
// The six values that the host hands over with entry 14, in argument order.

#include "include/kesto/panel_api.h"

namespace kesto {

struct StartupValues {
    void* resource = nullptr;
    KestoHostTable skin = nullptr;
    KestoHostTable network = nullptr;
    int tagService = 0; // 0: the host reads no tags
    KestoHostTable serviceA = nullptr;
    KestoHostTable serviceB = nullptr;

    // Slot index of table, or null when the table or the slot is missing.
    static KestoHostFn slot(KestoHostTable table, int index) {
        return table != nullptr ? table[index] : nullptr;
    }
    // The same, as the function type of that slot.
    template <class Fn> static Fn slotAs(KestoHostTable table, int index) {
        return reinterpret_cast<Fn>(slot(table, index));
    }
};

} // namespace kesto
