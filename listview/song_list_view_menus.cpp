#include "listview/song_list_view.h"

#include "columns/list_command_ids.h"
#include "columns/list_commands.h"
#include "columns/list_menu_items.h"
#include "columns/page_rules.h"
#include "include/kesto/panel_api.h"
#include "include/kesto/window_message.h"
#include "listview/list_menus.h"
#include "listview/song_list_header.h"
#include "listview/song_table_model.h"

#include <QMenu>

namespace kesto {

namespace {

// The context menu of that name; null for an unknown or empty name.
QMenu* menuNamed(std::string_view name, QWidget* parent) {
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

} // namespace

// ---- menus and commands ----

QMenu* SongListView::createHeaderMenu(int column) {
    auto* menu = new QMenu(this);
    menu->addAction(QString::fromUtf8("자동 크기 조정"))->setData(listcmd::kAutoSizeColumn);
    menu->addAction(QString::fromUtf8("모든 항목 자동 크기 조정"))->setData(listcmd::kAutoSizeAll);
    menu->addSeparator();
    for (int i = PageRules::headerMenuFirstColumn(pageKind()); i < columnCount(); ++i) {
        const QString title = header_->title(i);
        if (title.isEmpty() || (rankSuppressed_ && SongListHeader::isRankTitle(title)))
            continue;
        QAction* action = menu->addAction(title);
        action->setCheckable(true);
        action->setChecked(!header_->isSectionHidden(i));
        action->setData(listcmd::kShowColumnBase + i);
    }
    connect(menu, &QMenu::triggered, this,
            [this, column](QAction* action) { runHeaderCommand(ListMenus::commandOf(action), column); });
    return menu;
}

void SongListView::runHeaderCommand(int commandId, int column) {
    if (commandId == listcmd::kAutoSizeColumn) {
        resizeColumnToContents(column);
    } else if (commandId == listcmd::kAutoSizeAll) {
        for (int i = 0; i < columnCount(); ++i)
            resizeColumnToContents(i);
    } else if (commandId >= listcmd::kShowColumnBase) {
        const int target = commandId - listcmd::kShowColumnBase;
        setColumnHidden(target, !isColumnHidden(target));
        saveColumns();
        emit columnsChanged();
    }
}

QMenu* SongListView::createContextMenu(bool rowHit) {
    QMenu* menu = menuNamed(PageRules::contextMenu(pageKind(), rowHit, isMiniList()), this);
    if (menu == nullptr)
        return nullptr;
    const QList<QAction*> actions = menu->findChildren<QAction*>();
    for (QAction* action : actions)
        if (const int id = ListMenus::commandOf(action); id != 0)
            action->setEnabled(commandEnabled(id));
    connect(menu, &QMenu::triggered, this,
            [this](QAction* action) { runCommand(ListMenus::commandOf(action)); });
    return menu;
}

int SongListView::firstSelectedOrFocused(bool preferFocused) const {
    if (preferFocused && isChecked(focusedRow()))
        return focusedRow();
    const std::vector<int> selected = selectedRows();
    return selected.empty() ? -1 : selected.front();
}

void SongListView::runCommand(int commandId) {
    using Action = ListCommand::Action;
    const ListCommand command = ListCommands::lookup(commandId, isMiniList());
    switch (command.action) {
    case Action::Post: {
        RowWords words;
        if (command.lParam != ListCommand::Row::None) {
            const int row = firstSelectedOrFocused(command.lParam == ListCommand::Row::FocusedOrFirst);
            if (row < 0)
                return; // the command needs a selection
            words = RowWords::rowOnly(row);
        }
        port_.post(target_, command.message, words.first, words.second);
        return;
    }
    case Action::CheckAll:
        return checkAll();
    case Action::UncheckAll:
        return uncheckAll();
    case Action::InvertChecks:
        return model_->invert();
    case Action::PutInto: {
        std::vector<Song*> records;
        for (int row : selectedRows())
            if (Song* r = record(row))
                records.push_back(r);
        if (!records.empty())
            emit putInto(commandId, records);
        return;
    }
    case Action::LoadList:
        port_.send(hostSideWindow_, KESTO_MSG_LOAD_LIST, command.which, 0);
        emit loadList(command.which);
        return;
    case Action::ClearNowPlaying:
        return emit clearNowPlaying();
    case Action::AutoSizeColumn:
    case Action::AutoSizeAll:
        return runHeaderCommand(commandId, lastClickedColumn_);
    case Action::Forward:
        return emit forwardCommand(commandId);
    case Action::None:
        return;
    }
}

} // namespace kesto
