#include "panel/panel_command_context.h"

#include "commands/command_settings.h"
#include "commands/device_host.h"
#include "dialogs/dialog_hooks.h"
#include "module/module_state.h"
#include "pages/download_tracker.h"
#include "pages/local_files.h"
#include "pages/page_navigator.h"
#include "pages/panel_model.h"
#include "pages/panel_window_ops.h"

#include <QApplication>

namespace kesto {

CommandContext PanelCommandContext::make() const {
    PanelModel& model = *p_.model;
    CommandContext context;
    context.protocol = model.context();
    context.nowPlaying = &model.nowPlaying();
    context.listStore = &model.list();
    context.pageKind = model.state().pageKind;
    context.menuId = model.state().menuId;
    context.settings = p_.settings;
    context.albums = model.albumDb();
    context.serviceA = p_.module->startup().serviceA;
    context.hooks = hooks(context);
    return context;
}

CommandHooks PanelCommandContext::hooks(const CommandContext& base) const {
    CommandHooks hooks;
    // The window's parts are read when a hook runs: a dialog may outlive the window.
    hooks.showPage = [this](int menuId, int viewMode) {
        if (w_.pages != nullptr)
            w_.pages->openMenu(menuId, viewMode);
    };
    hooks.reshowPage = [this] {
        if (w_.pages != nullptr)
            w_.pages->reloadPage();
    };
    hooks.waitCursor = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    hooks.navigateHtml = [this](const std::string& address, const std::string& body) {
        if (w_.views == nullptr)
            return;
        if (body.empty())
            w_.views->navigateHtml(address);
        else
            w_.views->postHtml(address, body);
    };
    p_.downloads->install(hooks);
    // The host's lyrics download takes the song as a one-entry list of table A's download.
    hooks.downloadLyrics = [serviceA = base.serviceA,
                            flag = CommandSettings(base.settings).transferWriteFlag()](const Song& song) {
        DeviceHost(serviceA).transfer({song}, flag);
    };
    DialogParts dialogs{
        w_.window, p_.module->startup().skin, base,
        [files = p_.files](const std::vector<std::string>& paths) { files->importFiles(paths); }};
    DialogHooks::install(hooks, dialogs);
    return hooks;
}

} // namespace kesto
