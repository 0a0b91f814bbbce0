#include "host/window/source_pane.h"

#include "host/demo/demo_library.h"
#include "host/library/album_database.h"
#include "host/session/cp949_text.h"
#include "host/session/host_log.h"
#include "host/window/host_plain_text.h"
#include "host/window/page_menu.h"
#include "include/kesto/panel_api.h"

#include <cstdlib>

namespace kesto {
namespace {

constexpr int kMenuIdRole = Qt::UserRole;
constexpr int kParameterRole = Qt::UserRole + 1;
constexpr const char* kLocalGroup = "내 PC";
constexpr const char* kNowPlayingGroup = "재생";

} // namespace

SourcePane::SourcePane(Show show, QWidget* parent) : QTreeWidget(parent), show_(std::move(show)) {
    setObjectName(QStringLiteral("sourcePane"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setMinimumWidth(170);
    setAccessibleName(tr("Sources"));
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { choose(item); });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
}

QTreeWidgetItem* SourcePane::group(const QString& name) {
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->text(0) == name)
            return topLevelItem(i);
    auto* item = new QTreeWidgetItem(this, {name});
    item->setFlags(Qt::ItemIsEnabled);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    item->setExpanded(true);
    return item;
}

void SourcePane::add(QTreeWidgetItem* parent, const QString& title, int menuId,
                     const std::string& parameter) {
    auto* item = new QTreeWidgetItem(parent, {title});
    item->setData(0, kMenuIdRole, menuId);
    item->setData(0, kParameterRole, QString::fromStdString(parameter));
    item->setToolTip(0, HostPlainText::toolTip(title));
}

void SourcePane::fill(const std::string& dataFolder) {
    clear();
    for (const HostPage& page : PageMenu::pages()) {
        // The demo lists come from the database below, with every other list the user made.
        if (page.menuId == KESTO_MENU_LOCAL_ALBUM)
            continue;
        add(group(QString::fromUtf8(page.group)), QString::fromUtf8(page.title), page.menuId, page.parameter);
    }
    AlbumDatabase db;
    if (!db.open(dataFolder)) {
        HostLog::write(
            QStringLiteral("source pane: no album database: %1").arg(QString::fromStdString(db.error())));
    } else {
        QTreeWidgetItem* local = group(QString::fromUtf8(kLocalGroup));
        for (const auto& [id, name] : db.lists()) {
            if (std::atol(id.c_str()) == AlbumDatabase::kAllSongsAlbum)
                continue;
            add(local, QStringLiteral("♫ ") + QString::fromStdString(Cp949Text::toUtf8(name)),
                KESTO_MENU_LOCAL_ALBUM, id);
        }
    }
    // The now-playing list first of all: it is where a player starts.
    if (QTreeWidgetItem* playing = group(QString::fromUtf8(kNowPlayingGroup)))
        insertTopLevelItem(0, takeTopLevelItem(indexOfTopLevelItem(playing)));
    expandAll();
}

void SourcePane::markShown(int menuId, const std::string& parameter) {
    const QString wanted = QString::fromStdString(parameter);
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        if ((*it)->data(0, kMenuIdRole).isValid() && (*it)->data(0, kMenuIdRole).toInt() == menuId &&
            (*it)->data(0, kParameterRole).toString() == wanted) {
            setCurrentItem(*it);
            return;
        }
    }
    // A page the pane does not list: no other page stays marked as the one in view.
    setCurrentItem(nullptr);
    clearSelection();
}

void SourcePane::choose(QTreeWidgetItem* item) {
    if (item == nullptr || !item->data(0, kMenuIdRole).isValid())
        return;
    show_(item->data(0, kMenuIdRole).toInt(), item->data(0, kParameterRole).toString().toStdString());
}

} // namespace kesto
