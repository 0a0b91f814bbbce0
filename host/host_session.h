#pragma once
// The host's side of the module's life: load it, hand over the window and the tables,
// create the panel in the panel area, destroy it at the end.

#include "host/host_tables.h"
#include "host/module_loader.h"

namespace kesto {

class MainWindow;

class HostSession {
public:
    explicit HostSession(MainWindow& window) : window_(window) {}
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // Loads the module, calls Song_GetPanelInfo, entry 14 and entry 16; logs each step.
    bool start(const QString& modulePath);
    const ModuleLoader& module() const { return module_; }

private:
    MainWindow& window_;
    ModuleLoader module_;
    HostTables tables_;
};

} // namespace kesto
