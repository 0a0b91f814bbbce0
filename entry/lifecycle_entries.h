#pragma once
// Entries that set up and tear down the module: start-up values, the panel's life, the login reply, and the
// reserved slots.

#include "include/kesto/panel_api.h"

namespace kesto {

class LifecycleEntries {
public:
    static void install(KestoEntryFn* table);
};

} // namespace kesto
