#pragma once
// Entries that forward to the list panel; each does nothing or returns 0 while the panel is absent.

#include "include/kesto/panel_api.h"

namespace kesto {

class PanelEntries {
public:
    static void install(KestoEntryFn* table);
};

} // namespace kesto
