#include "host/library/play_list_loader.h"

#include "host/library/album_database.h"
#include "host/session/cp949_text.h"
#include "host/session/host_log.h"
#include "host/session/host_session.h"
#include "host/window/main_window.h"
#include "include/kesto/panel_api.h"

#include <QInputDialog>

#include <filesystem>

namespace kesto {

std::vector<std::pair<std::string, QString>> PlayListLoader::playLists(HostSession& session) {
    std::vector<std::pair<std::string, QString>> lists;
    AlbumDatabase db;
    if (!db.open(session.service().dataFolder())) {
        HostLog::write(QStringLiteral("no album database: %1").arg(QString::fromStdString(db.error())));
        return lists;
    }
    for (const auto& [id, name] : db.lists())
        lists.emplace_back(id, QString::fromStdString(Cp949Text::toUtf8(name)));
    return lists;
}

void PlayListLoader::choose(MainWindow& window, HostSession& session) {
    const auto lists = playLists(session);
    if (lists.empty()) {
        window.log(QStringLiteral("load a play list: there is no play list yet"));
        return;
    }
    auto* dialog = new QInputDialog(&window);
    dialog->setObjectName(QStringLiteral("loadPlayListDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Kesto Player"));
    dialog->setLabelText(QStringLiteral("불러올 플레이리스트를 선택하세요."));
    dialog->setOkButtonText(QStringLiteral("불러오기"));
    dialog->setCancelButtonText(QStringLiteral("취소"));
    QStringList names;
    for (const auto& list : lists)
        names << list.second;
    dialog->setComboBoxItems(names);
    QObject::connect(
        dialog, &QInputDialog::textValueSelected, &window, [&window, &session, lists](const QString& name) {
            for (const auto& list : lists)
                if (list.second == name) {
                    const int handed = load(session, list.first);
                    window.log(QStringLiteral("load a play list: %1 songs of %2").arg(handed).arg(name));
                    return;
                }
        });
    dialog->open();
}

int PlayListLoader::load(HostSession& session, const std::string& albumId) {
    AlbumDatabase db;
    if (!db.open(session.service().dataFolder()))
        return 0;
    std::string list;
    std::error_code error;
    // A file the user has removed since is left out, as the panel leaves it off the album page.
    for (const std::string& path : db.localPaths(albumId))
        if (std::filesystem::exists(path, error))
            list += path + '\0';
    if (list.empty())
        return 0;
    list += '\0';
    session.showMenuId(KESTO_MENU_NOW_PLAYING);
    auto drop = session.module().entry<KestoEntry73>(73);
    return drop != nullptr ? drop(list.c_str()) : 0;
}

} // namespace kesto
