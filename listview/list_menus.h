#pragma once
// The song list's popup menus (built from their resource names, columns/list_menu_items) carry
// each item's command id in QAction::data().

#include <QAction>

namespace kesto {

class ListMenus {
public:
    static int commandOf(const QAction* action) { return action != nullptr ? action->data().toInt() : 0; }
};

} // namespace kesto
