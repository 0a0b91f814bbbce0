#include "listview/list_menus.h"

#include "columns/list_menu_items.h"

#include <QAction>
#include <QMenu>

namespace kesto {

QMenu* ListMenus::create(std::string_view name, QWidget* parent) {
    const std::vector<ListMenuItem> items = ListMenuItems::of(name);
    if (items.empty())
        return nullptr;
    auto* menu = new QMenu(parent);
    // The mini list's sort commands sit in a submenu of their own.
    QMenu* target = name == "CONTEXT_MENU" ? menu->addMenu(QString::fromUtf8("곡 리스트 정렬")) : menu;
    for (const ListMenuItem& item : items) {
        if (item.id == 0)
            target->addSeparator();
        else
            target->addAction(QString::fromUtf8(item.textUtf8))->setData(item.id);
    }
    return menu;
}

int ListMenus::commandOf(const QAction* action) {
    return action != nullptr ? action->data().toInt() : 0;
}

} // namespace kesto
