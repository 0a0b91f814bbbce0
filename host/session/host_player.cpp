#include "host/session/host_player.h"

#include "host/audio/audio_engine.h"
#include "host/audio/next_song_call.h"
#include "host/audio/now_playing_album.h"
#include "host/audio/now_playing_strip.h"
#include "host/audio/play_controller.h"
#include "host/audio/transport_bar.h"
#include "host/session/host_messages.h"
#include "host/session/host_session.h"
#include "host/window/lyrics_pane.h"
#include "host/window/main_window.h"
#include "host/window/web_page_window.h"

#include <QToolBar>
#include <QVBoxLayout>

namespace kesto {

namespace {

PlayHooks hooksOf(HostSession& session) {
    PlayHooks hooks;
    hooks.nextSong = [&session](int order, int position, bool restart) {
        return NextSongCall::ask(session.module().entry<KestoEntry24>(24), order, position, restart);
    };
    hooks.markPlaying = [&session](int state) {
        if (auto mark = session.module().entry<KestoEntry25>(25))
            mark(state);
    };
    hooks.songCount = [&session] {
        auto count = session.module().entry<KestoEntry0>(0);
        return count != nullptr ? count() : 0;
    };
    hooks.listenToPage = [&session] {
        const ModuleLoader& module = session.module();
        if (module.table() == nullptr)
            return;
        module.entry<KestoEntry53>(53)(1);
        module.entry<KestoEntry45>(45)();
        module.entry<KestoEntry53>(53)(0);
    };
    return hooks;
}

} // namespace

HostPlayer::HostPlayer(MainWindow& window, HostSession& session)
    : engine_(std::make_unique<AudioEngine>()),
      controller_(std::make_unique<PlayController>(*engine_, hooksOf(session))),
      web_(std::make_unique<WebPageWindow>()), transport_(new TransportBar(*controller_, &window)),
      lyrics_(new LyricsPane(&window)), messages_(nullptr), strip_(nullptr) {
    auto* bar = new QToolBar(QStringLiteral("재생"), &window);
    bar->setObjectName(QStringLiteral("playBar"));
    bar->setMovable(false);
    strip_ = new NowPlayingStrip(
        *controller_,
        [&session](int position) {
            return NowPlayingAlbum::read(session.module().entry<KestoEntry12>(12), position);
        },
        &window);
    QObject::connect(strip_, &NowPlayingStrip::captionChanged, &window, &MainWindow::showSong);
    auto* playing = new QWidget(&window);
    playing->setObjectName(QStringLiteral("playingArea"));
    auto* column = new QVBoxLayout(playing);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(strip_);
    column->addWidget(transport_);
    bar->addWidget(playing);
    window.addToolBar(Qt::BottomToolBarArea, bar);
    window.addDockWidget(Qt::RightDockWidgetArea, lyrics_);
    lyrics_->hide();
    messages_ = new HostMessages(window, session, *controller_, *web_, *lyrics_);
}

QString HostPlayer::album() const {
    return strip_->album();
}

HostPlayer::~HostPlayer() {
    controller_->stop();
}

} // namespace kesto
