#include "host/play_list_loader.h"

#include "host/host_session.h"
#include "host/main_window.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"

#include <QInputDialog>

namespace kesto {

std::vector<std::pair<std::string, QString>> PlayListLoader::playLists(HostSession& session) {
    std::vector<std::pair<std::string, QString>> lists;
    MyAlbumDb db;
    if (!db.start(session.service().dataFolder()))
        return lists;
    try {
        SQLite::Statement rows(*db.database(), "select Album_ID, Album_Name from AlbumName_tbl");
        while (rows.executeStep())
            if (!rows.isColumnNull(0))
                lists.emplace_back(rows.getColumn(0).getString(),
                                   QString::fromStdString(Cp949::toUtf8(rows.getColumn(1).getString())));
    } catch (const SQLite::Exception&) {
        lists.clear();
    }
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
    MyAlbumDb db;
    AlbumSongList songs;
    if (!db.start(session.service().dataFolder()) || !db.listAlbumSongs(albumId, songs) || songs.size() == 0)
        return 0;
    std::string list;
    for (const std::string& path : songs.localPaths)
        list += path + '\0';
    list += '\0';
    session.showMenuId(kNowPlayingMenu);
    auto drop = session.module().entry<KestoEntry73>(73);
    return drop != nullptr ? drop(list.c_str()) : 0;
}

} // namespace kesto
