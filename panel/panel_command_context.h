#pragma once
// What every song command of the panel is given, made fresh for each call: the stores, the
// page shown, the settings and the hooks to the dialogs, the pages and the HTML area.

#include "commands/command_context.h"

class QWidget;

namespace kesto {

class DownloadTracker;
class LocalFiles;
class ModuleState;
class PageNavigator;
class PanelModel;
class PanelWindowOps;
class RegistryKey;

struct CommandContextParts {
    ModuleState* module = nullptr;
    PanelModel* model = nullptr;
    RegistryKey* settings = nullptr;
    DownloadTracker* downloads = nullptr;
    LocalFiles* files = nullptr;
};

// The parts that exist with the window; none without one.
struct CommandWindowParts {
    QWidget* window = nullptr; // the dialogs' parent
    PageNavigator* pages = nullptr;
    PanelWindowOps* views = nullptr;
};

class PanelCommandContext {
public:
    explicit PanelCommandContext(CommandContextParts parts) : p_(parts) {}

    void attach(const CommandWindowParts& window) { w_ = window; }
    void detach() { w_ = {}; }
    CommandContext make() const;

private:
    CommandHooks hooks(const CommandContext& base) const;

    CommandContextParts p_;
    CommandWindowParts w_;
};

} // namespace kesto
