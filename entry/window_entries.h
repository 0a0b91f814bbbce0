#pragma once
// Entries that size the panel and hand out window handles.

#include "include/kesto/panel_api.h"

namespace kesto {

class WindowEntries {
public:
    static void install(KestoEntryFn* table);
};

} // namespace kesto
