#include "panel/list_panel_factory.h"

#include "module/module_state.h"
#include "panel/list_panel.h"

namespace kesto {

bool ListPanelFactory::install() {
    ModuleState::instance().setPanelFactory([](ModuleState& module) -> std::unique_ptr<PanelOperations> {
        return std::make_unique<ListPanel>(module);
    });
    return true;
}

namespace {
// Runs when the module is loaded; the library is linked in whole for this.
[[maybe_unused]] const bool installed = ListPanelFactory::install();
} // namespace

} // namespace kesto
