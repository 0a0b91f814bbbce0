#include "host/tour/tour_story.h"

#include "host/audio/audio_engine.h"
#include "host/audio/play_controller.h"
#include "host/demo/demo_library.h"
#include "host/session/host_panel_area.h"
#include "host/session/host_player.h"
#include "host/session/host_session.h"
#include "host/tour/download_story.h"
#include "host/window/lyrics_pane.h"
#include "host/window/main_window.h"
#include "include/kesto/panel_api.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kesto {
namespace {

constexpr const char* kChart = "00101";
constexpr qint64 kPlayedMs = 1500;

// Ticks every row (entry 53) and presses the panel's listen button.
void listenToAll(MainWindow& window, HostSession& session) {
    if (auto checkAll = session.module().entry<KestoEntry53>(53))
        checkAll(1);
    auto* listen =
        window.panelArea()->findChild<QAbstractButton*>(QStringLiteral("button%1").arg(KESTO_BUTTON_LISTEN));
    if (listen != nullptr)
        listen->click();
    else
        window.log(QStringLiteral("tour: no listen button"));
}

bool playingFor(MainWindow& window, HostPlayer& player, qint64 ms, bool local) {
    PlayController& c = player.controller();
    if (TourStory::answerOpenBox(window))
        return false;
    return c.active() && (c.song().isLocal != 0) == local && c.engine().isPlaying() &&
           c.engine().position() >= ms;
}

} // namespace

bool TourStory::answerOpenBox(MainWindow& window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return false;
    window.log(QStringLiteral("tour: answering \"%1\"").arg(modal->windowTitle()));
    if (auto* box = qobject_cast<QMessageBox*>(modal); box != nullptr && box->defaultButton() != nullptr)
        box->defaultButton()->click();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->accept();
    return true;
}

std::vector<TourStep> TourStory::steps(MainWindow& window, HostSession& session, HostPlayer& player) {
    std::vector<TourStep> steps;
    steps.push_back({[&session] { session.showMenuId(KESTO_MENU_SERVICE_LIST, kChart); },
                     QStringLiteral("chart.png"),
                     {}});
    steps.push_back({[&window, &session] { listenToAll(window, session); }, QString(),
                     [&window, &player] { return playingFor(window, player, 0, false); }});
    steps.push_back({[&session] { session.showMenuId(KESTO_MENU_NOW_PLAYING); },
                     QStringLiteral("playing.png"),
                     [&window, &player] { return playingFor(window, player, kPlayedMs, false); }});
    // The chart again with the lyrics pane open beside it: the panel keeps its buttons in reach.
    steps.push_back({[&session, &player] {
                         session.showMenuId(KESTO_MENU_SERVICE_LIST, kChart);
                         player.lyrics().show();
                     },
                     QStringLiteral("lyrics-open.png"),
                     {}});
    steps.push_back({[&session, &player] {
                         player.lyrics().hide();
                         session.showMenuId(KESTO_MENU_LOCAL_ALBUM, DemoLibrary::kAlbumId);
                     },
                     QStringLiteral("local-album.png"),
                     {}});
    steps.push_back({[&window, &session] { listenToAll(window, session); },
                     QStringLiteral("playing-local.png"),
                     [&window, &player] { return playingFor(window, player, kPlayedMs, true); }});
    for (TourStep& step : DownloadStory::steps(window, session))
        steps.push_back(std::move(step));
    return steps;
}

} // namespace kesto
