#include "entry/entry_table.h"

#include "entry/lifecycle_entries.h"
#include "entry/mini_entries.h"
#include "entry/panel_entries.h"
#include "entry/window_entries.h"
#include "module/module_state.h"

namespace kesto {

KestoEntryFn* EntryTable::accept(WindowHandle hostWindow) {
    ModuleState& state = ModuleState::instance();
    if (!state.acceptHostWindow(hostWindow))
        return nullptr;
    fill(state.table());
    return state.table();
}

void EntryTable::fill(KestoEntryFn* table) {
    LifecycleEntries::install(table);
    PanelEntries::install(table);
    MiniEntries::install(table);
    WindowEntries::install(table);
}

} // namespace kesto
