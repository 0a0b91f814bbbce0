#pragma once
// Hands the module state the factory of the list panel when the module is loaded.

namespace kesto {

class ListPanelFactory {
public:
    // Registers the factory; called once at static-init time, harmless when called again.
    static bool install();
};

} // namespace kesto
