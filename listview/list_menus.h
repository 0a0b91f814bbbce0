#pragma once
// The song list's popup menus, built from their resource names (columns/list_menu_items). Each
// action carries its command id in QAction::data().

#include <string_view>

class QAction;
class QMenu;
class QWidget;

namespace kesto {

class ListMenus {
public:
    // The context menu of that name; null for an unknown or empty name.
    static QMenu* create(std::string_view name, QWidget* parent);
    static int commandOf(const QAction* action);
};

} // namespace kesto
