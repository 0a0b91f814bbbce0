#include "host/session/host_mini_mode.h"

#include "host/audio/audio_engine.h"
#include "host/audio/next_song_call.h"
#include "host/audio/play_controller.h"
#include "host/session/cp949_text.h"
#include "host/session/host_panel_area.h"
#include "host/session/module_loader.h"
#include "host/window/main_window.h"
#include "host/window/player_settings.h"
#include "include/kesto/panel_api.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace kesto {

namespace {

HostMiniMode* current = nullptr;

constexpr int kShowCommand = 5;
constexpr int kHideCommand = 0;
constexpr int kDefaultWidth = 351;
constexpr int kDefaultHeight = 400;
// A chart with songs for the tour, and the play mode that plays the given position.
constexpr int kChartViewMode = 2;
constexpr const char* kTourChart = "00104";
constexpr int kPlayThisOne = 0;
constexpr int kTourSongsTried = 10;
constexpr int kMsPerSecond = 1000;

// What the mini list's status line says of the player.
const char* statusOf(PlayController& player) {
    if (!player.active())
        return "정지";
    return player.engine().isPaused() ? "일시 정지" : "재생 중";
}

std::string cp949(const QString& text) {
    return Cp949Text::fromUtf8(text.toStdString());
}

bool grabTo(QWidget* widget, const QString& file) {
    return widget != nullptr && widget->grab().save(file, "PNG");
}

} // namespace

HostMiniMode::HostMiniMode(MainWindow& window, const ModuleLoader& module)
    : window_(window), module_(module) {
    current = this;
    connect(window_.panelArea(), &HostPanelArea::messageArrived, this,
            [this](unsigned message, qintptr w, qintptr l) { onMessage(message, w, l); });
    window_.installEventFilter(this);
}

HostMiniMode::~HostMiniMode() {
    if (active_)
        leave();
    if (current == this)
        current = nullptr;
}

void HostMiniMode::install(QMenuBar& bar) {
    // Before Help, which stays last.
    auto* menu = new QMenu(QString::fromUtf8("미니 모드"), &bar);
    bar.insertMenu(bar.actions().isEmpty() ? nullptr : bar.actions().constLast(), menu);
    toggle_ = menu->addAction(QString::fromUtf8("미니 모드로 보기"));
    toggle_->setCheckable(true);
    connect(toggle_, &QAction::triggered, this, [this](bool on) { on ? enter() : leave(); });
}

void HostMiniMode::follow(PlayController& player) {
    player_ = &player;
    connect(&player, &PlayController::songChanged, this, [this] { tellSong(); });
    connect(&player, &PlayController::stopped, this, [this] { tellSong(); });
    connect(&player.engine(), &AudioEngine::stateChanged, this, [this] { tellSong(); });
    connect(&player.engine(), &AudioEngine::positionChanged, this, [this](qint64 ms) {
        // Once a second is enough for a line of whole seconds.
        if (ms / kMsPerSecond != toldSecond_)
            tellPlayLine();
    });
}

void HostMiniMode::tellSong() {
    if (!active_ || player_ == nullptr)
        return;
    const std::string title = cp949(player_->title());
    module_.entry<KestoEntry36>(36)(title.c_str());
    const std::string status = cp949(QString::fromUtf8(statusOf(*player_)));
    module_.entry<KestoEntry33>(33)(status.c_str());
    tellPlayLine();
}

void HostMiniMode::tellPlayLine() {
    if (!active_ || player_ == nullptr)
        return;
    const AudioEngine& engine = player_->engine();
    int state = PlayController::kStateStopped;
    if (player_->active())
        state = engine.isPaused() ? PlayController::kStatePaused : PlayController::kStatePlaying;
    const int position = static_cast<int>(engine.position() / kMsPerSecond);
    const int length = static_cast<int>(engine.duration() / kMsPerSecond);
    toldSecond_ = position;
    module_.entry<KestoEntry35>(35)(state, position, length > 0 ? length : player_->song().playTime,
                                    engine.volume());
}

QWidget* HostMiniMode::miniList() const {
    return module_.table() != nullptr ? static_cast<QWidget*>(module_.entry<KestoEntry31>(31)()) : nullptr;
}

void HostMiniMode::glue(bool docked) {
    glued_ = docked;
    if (QWidget* list = miniList(); docked && list != nullptr)
        glueOffset_ = list->geometry().left() - window_.frameGeometry().left();
}

void HostMiniMode::keepUnder() {
    QWidget* list = miniList();
    if (!active_ || !glued_ || list == nullptr)
        return;
    const QRect frame = window_.frameGeometry();
    list->move(frame.left() + glueOffset_, frame.top() + frame.height());
}

bool HostMiniMode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        keepUnder();
    return QObject::eventFilter(watched, event);
}

KestoRect HostMiniMode::listRect() const {
    // Where the list was last time; else beside the main window.
    const QRect kept = PlayerSettings::value(PlayerSettings::kMiniListRect).toRect();
    if (kept.isValid())
        return {kept.left(), kept.top(), kept.left() + kept.width(), kept.top() + kept.height()};
    const QRect frame = window_.frameGeometry();
    const int left = frame.right() + 1;
    return {left, frame.top(), left + kDefaultWidth, frame.top() + kDefaultHeight};
}

void HostMiniMode::enter() {
    if (active_ || module_.table() == nullptr)
        return;
    const KestoRect rect = listRect();
    const int list = module_.entry<KestoEntry27>(27)(&rect);
    const int text = module_.entry<KestoEntry29>(29)();
    module_.entry<KestoEntry26>(26)(1);
    module_.entry<KestoEntry34>(34)(kShowCommand);
    active_ = list == 1;
    tellSong();
    window_.log(
        QStringLiteral("mini mode on: entry 27 returned %1, entry 29 returned %2").arg(list).arg(text));
    if (toggle_ != nullptr)
        toggle_->setChecked(active_);
}

void HostMiniMode::leave() {
    if (!active_)
        return;
    if (QWidget* list = miniList())
        PlayerSettings::setValue(PlayerSettings::kMiniListRect, list->geometry());
    module_.entry<KestoEntry34>(34)(kHideCommand);
    module_.entry<KestoEntry26>(26)(0);
    module_.entry<KestoEntry30>(30)();
    module_.entry<KestoEntry28>(28)();
    active_ = false;
    glued_ = false;
    window_.log(QStringLiteral("mini mode off"));
    if (toggle_ != nullptr)
        toggle_->setChecked(false);
}

void HostMiniMode::onMessage(unsigned message, qintptr wParam, qintptr lParam) {
    switch (message) {
    case KESTO_MSG_MINI_LIST_CLOSED:
        return leave();
    case KESTO_MSG_MINI_MOVE_STARTED:
        // The user takes the list away: it stops following until it is docked again.
        glued_ = false;
        return;
    case KESTO_MSG_MINI_MOVED:
        return glue(wParam == 1);
    case KESTO_MSG_MINI_SHOWN:
        return glue(wParam == 1 && lParam == 1);
    default:
        return;
    }
}

void HostMiniMode::openSongText(const KestoRect*) {
    if (current != nullptr && current->module_.table() != nullptr)
        current->module_.entry<KestoEntry29>(29)();
}

void HostMiniMode::closeSongText() {
    if (current != nullptr && current->module_.table() != nullptr)
        current->module_.entry<KestoEntry30>(30)();
}

void HostMiniMode::tour(const QString& dir, std::function<void(bool ok)> done) {
    if (module_.table() == nullptr)
        return done(false);
    module_.entry<KestoEntry23>(23)(kChartViewMode, "", KESTO_MENU_SERVICE_LIST, kTourChart, 0);
    module_.entry<KestoEntry53>(53)(1);
    module_.entry<KestoEntry45>(45)();
    module_.entry<KestoEntry53>(53)(0);
    enter();
    // The listen above is played by the host once its message arrives; the song with lyrics
    // is chosen after that, or the first song would be played over it.
    QTimer::singleShot(kSettleMs, this, [this, dir, done = std::move(done)]() mutable {
        playFirstWithLyrics();
        grabWhenSettled(dir, std::move(done));
    });
}

void HostMiniMode::playFirstWithLyrics() {
    // Plays the first of the leading songs that has lyrics, so that the page shows them.
    for (int position = 0; position < kTourSongsTried; ++position) {
        int hasLyrics = 0;
        const NextSongCall::Scope asking;
        module_.entry<KestoEntry24>(24)("", kPlayThisOne, position, 0, nullptr, nullptr, nullptr, nullptr,
                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        nullptr, nullptr, &hasLyrics, nullptr);
        if (hasLyrics == 0)
            continue;
        // The host's player takes the song over, so that the caption names it too.
        if (player_ != nullptr)
            player_->playFrom(position);
        return;
    }
}

void HostMiniMode::grabWhenSettled(const QString& dir, std::function<void(bool ok)> done) {
    QTimer::singleShot(kSettleMs, this, [this, dir, done = std::move(done)] {
        bool ok = grabTo(static_cast<QWidget*>(module_.entry<KestoEntry31>(31)()),
                         QDir(dir).filePath(QStringLiteral("mini-list.png")));
        ok = grabTo(static_cast<QWidget*>(module_.entry<KestoEntry32>(32)()),
                    QDir(dir).filePath(QStringLiteral("song-text.png"))) &&
             ok;
        leave();
        done(ok);
    });
}

} // namespace kesto
