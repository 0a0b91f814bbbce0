// The module's one exported function. Binds the Qt stand-ins of the window system to the
// Qt-free module state before handing out the entry table.

#include "entry/entry_table.h"
#include "include/kesto/panel_api.h"
#include "module/module_state.h"
#include "platform/failure_guard.h"
#include "platform/qt_failure_log.h"
#include "platform/qt_message_box.h"
#include "platform/qt_message_port.h"
#include "settings/registry_key.h"

#include <QApplication>
#include <QWidget>

namespace {

KestoEntryFn* panelInfo(void* hostWindow) {
    using namespace kesto;
    KestoEntryFn* table = EntryTable::accept(hostWindow);
    if (table == nullptr) {
        FailureLog::write(LogCategory::Entry,
                          "Song_GetPanelInfo refused: no host window, or one accepted already");
        return nullptr;
    }
    static QtMessageBox box;
    box.setParentWindow(hostWindow);
    ModuleState& state = ModuleState::instance();
    state.setPort(&QtMessagePort::instance());
    state.setMessageBox(&box);
    // A host may destroy its window before entry 17: from then on nothing posts to it. Without
    // an application there is no widget to watch (a host that only reads the entries).
    if (QApplication::instance() != nullptr)
        QObject::connect(static_cast<QWidget*>(hostWindow), &QObject::destroyed, [] {
            ModuleState::instance().forgetHostWindow();
            box.setParentWindow(nullptr);
        });
    state.setSettingWriter([](std::string_view keyPath, std::string_view name, std::string_view value) {
        RegistryKey key;
        if (key.create(std::string(keyPath)))
            key.writeString(std::string(name), std::string(value));
    });
    return table;
}

} // namespace

extern "C" KESTO_EXPORT KestoEntryFn* Song_GetPanelInfo(void* hostWindow) {
    using namespace kesto;
    QtFailureLog::install();
    return FailureGuard::run(LogCategory::Entry, "Song_GetPanelInfo",
                             [hostWindow] { return panelInfo(hostWindow); });
}
