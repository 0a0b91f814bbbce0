#include "host/tour/download_story.h"

#include "host/library/play_list_maker.h"
#include "host/session/cp949_text.h"
#include "host/session/host_panel_area.h"
#include "host/session/host_session.h"
#include "host/store/host_downloads.h"
#include "host/tour/tour_story.h"
#include "host/window/main_window.h"
#include "include/kesto/panel_api.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

#include <memory>
#include <string>

namespace kesto {
namespace {

constexpr const char* kChart = "00101";

void press(QWidget* list, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(list, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(list, &up);
}

void download(MainWindow& window, HostSession& session) {
    DownloadStory::tickFirstRows(session, DownloadStory::kSongs);
    auto* button = window.panelArea()->findChild<QAbstractButton*>(
        QStringLiteral("button%1").arg(KESTO_BUTTON_DOWNLOAD));
    if (button != nullptr)
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    else
        window.log(QStringLiteral("tour: no download button"));
}

} // namespace

void DownloadStory::tickFirstRows(HostSession& session, int count) {
    KestoRect rect{};
    auto list = session.module().entry<KestoEntry74>(74);
    auto* view = list != nullptr ? static_cast<QWidget*>(list(1, &rect)) : nullptr;
    if (view == nullptr)
        return;
    view->setFocus();
    press(view, Qt::Key_Home);
    for (int row = 0; row < count; ++row) {
        if (row > 0)
            press(view, Qt::Key_Down);
        press(view, Qt::Key_Space);
    }
}

bool DownloadStory::answer(MainWindow& window, const QString& playList) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal->objectName() != QLatin1String("purchase"))
        return TourStory::answerOpenBox(window);
    if (auto* lists = modal->findChild<QComboBox*>(QStringLiteral("playLists"))) {
        const int index = lists->findText(playList);
        if (index >= 0)
            lists->setCurrentIndex(index);
    }
    if (auto* ok = modal->findChild<QAbstractButton*>(QStringLiteral("ok")))
        QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
    return true;
}

std::vector<TourStep> DownloadStory::steps(MainWindow& window, HostSession& session) {
    auto list = std::make_shared<std::string>();
    auto runs = std::make_shared<int>(0);
    const QString name = QString::fromUtf8(kPlayList);
    std::vector<TourStep> steps;
    steps.push_back({[&session, list] {
                         *list =
                             std::to_string(PlayListMaker::create(Cp949Text::fromUtf8(kPlayList).c_str()));
                         session.refreshSources();
                         session.showMenuId(KESTO_MENU_SERVICE_LIST, kChart);
                     },
                     QString(),
                     {}});
    steps.push_back({[&window, &session, runs] {
                         *runs = session.downloads().completed();
                         download(window, session);
                     },
                     QString(),
                     [&window, &session, name, runs] {
                         return !DownloadStory::answer(window, name) &&
                                session.downloads().completed() > *runs;
                     }});
    steps.push_back({[&session, list] { session.showMenuId(KESTO_MENU_LOCAL_ALBUM, list->c_str()); },
                     QStringLiteral("downloaded-play-list.png"),
                     {}});
    steps.push_back({[&session] { session.showMenuId(KESTO_MENU_DOWNLOAD_STORAGE); },
                     QStringLiteral("download-storage.png"),
                     {}});
    return steps;
}

} // namespace kesto
