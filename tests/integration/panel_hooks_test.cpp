// The panel as shipped sets every hook of its song commands: the context its commands get is
// built here from a real panel window and each hook is looked at.
#include "panel/list_panel.h"

#include "module/module_state.h"
#include "platform/qt_message_box.h"
#include "platform/qt_message_port.h"
#include "tests/support/qt_test_process.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace kesto {
namespace {

TEST(PanelHooks, TheShippedPanelLeavesNoCommandHookEmpty) {
    test::TempFolder folder;
    std::filesystem::current_path(folder.path());
    setenv("KESTO_REGISTRY_FILE", (folder.path() / "registry.reg").c_str(), 1);
    int argc = 1;
    char name[] = "panel_hooks_test";
    char* argv[] = {name, nullptr};
    test::prepareQtTestProcess();
    QApplication app(argc, argv);
    QWidget host;
    QtMessagePort port;
    QtMessageBox box;
    ModuleState& module = ModuleState::instance();
    module.setPort(&port);
    module.setMessageBox(&box);
    ListPanel panel(module);
    ASSERT_TRUE(panel.createWindow(&host, KestoRect{0, 0, 800, 600}, true));
    const CommandHooks hooks = panel.commandContext().hooks;
    int count = 0;
    hooks.visit([&count](const char* hook, bool set) {
        ++count;
        EXPECT_TRUE(set) << hook << " is empty";
    });
    EXPECT_EQ(count, CommandHooks::kHookCount);
    panel.destroyWindow();
}

} // namespace
} // namespace kesto
