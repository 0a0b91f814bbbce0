#include "host/audio/play_controller.h"

#include "host/audio/audio_engine.h"
#include "host/audio/next_song_call.h"
#include "host/session/cp949_text.h"
#include "host/session/host_log.h"

#include <QFile>

#include <cstdio>

namespace kesto {
namespace {

// The one player of the process, for the module's question through service table A.
PlayController* running = nullptr;

QString text(const std::string& cp949) {
    return QString::fromStdString(Cp949Text::toUtf8(cp949));
}

} // namespace

PlayController::PlayController(AudioEngine& engine, PlayHooks hooks, QObject* parent)
    : QObject(parent), engine_(engine), hooks_(std::move(hooks)) {
    // Queued: a failure reported while a song is being started is handled after the start.
    connect(&engine_, &AudioEngine::ended, this, &PlayController::onEnded, Qt::QueuedConnection);
    connect(&engine_, &AudioEngine::failed, this, &PlayController::onFailed, Qt::QueuedConnection);
    connect(&engine_, &AudioEngine::positionChanged, this, &PlayController::onPosition);
    running = this;
}

PlayController::~PlayController() {
    if (running == this)
        running = nullptr;
}

int PlayController::playsNowPlaying() {
    return running != nullptr && running->active() ? 1 : 0;
}

QUrl PlayController::sourceOf(const NextSongAnswer& song) {
    if (song.isLocal != 0)
        return QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(song.localPath)));
    return QUrl(QString::fromStdString(song.streamAddress));
}

QString PlayController::title() const {
    if (!active())
        return {};
    const QString name = text(song_.songName);
    return song_.artist.empty() ? name : text(song_.artist) + QStringLiteral(" - ") + name;
}

void PlayController::playFrom(int position) {
    failures_ = 0;
    go(play_order::kAt, position);
}

void PlayController::next() {
    failures_ = 0;
    go(playModeInfo(mode_).next, position_);
}

void PlayController::previous() {
    failures_ = 0;
    go(playModeInfo(mode_).previous, position_);
}

void PlayController::togglePause() {
    if (!active())
        return;
    if (engine_.isPlaying()) {
        engine_.pause();
        hooks_.markPlaying(kStatePaused);
    } else {
        engine_.resume();
        hooks_.markPlaying(kStatePlaying);
    }
}

void PlayController::playFromTop() {
    if (hooks_.songCount && hooks_.songCount() > 0)
        playFrom(0);
    else if (hooks_.listenToPage)
        hooks_.listenToPage();
}

void PlayController::playOrPause() {
    active() ? togglePause() : playFromTop();
}

void PlayController::stop() {
    finish(tr("stopped"));
}

void PlayController::go(int order, int position) {
    if (active())
        hooks_.markPlaying(kStateStopped); // the row that played loses its mark
    const NextSongAnswer next = hooks_.nextSong(order, position, false);
    if (next.position < 0) {
        finish(tr("the end of the list"));
        return;
    }
    start(next);
}

void PlayController::start(const NextSongAnswer& song) {
    position_ = song.position;
    song_ = song;
    if (song.streamAddress == NextSongCall::kDoubleLogin) {
        finish(tr("the log-in is in use elsewhere"));
        return;
    }
    const QUrl source = sourceOf(song);
    if (source.isEmpty()) {
        // The panel told the user why the grant was refused.
        onFailed(tr("no play grant"));
        return;
    }
    // A preview grant (field 5 is 0) allows field 2 seconds of the song.
    limitMs_ =
        song.isLocal == 0 && song.fullPlay == 0 && song.playSeconds > 0 ? song.playSeconds * 1000LL : 0;
    if (!toldSilent_ && AudioEngine::silent()) {
        toldSilent_ = true;
        HostLog::write(tr("no audio device: songs are decoded and timed without sound"));
    }
    engine_.play(source);
    hooks_.markPlaying(kStatePlaying);
    const QString where = source.isLocalFile() ? source.toLocalFile() : source.toString();
    std::printf("kesto-player: playing \"%s\" from %s\n", Cp949Text::toUtf8(song.songName).c_str(),
                where.toUtf8().constData());
    std::fflush(stdout);
    HostLog::write(tr("stream: %1").arg(where));
    HostLog::say(tr("Playing %1").arg(title()));
    emit songChanged();
}

void PlayController::onEnded() {
    if (!active())
        return;
    failures_ = 0;
    go(playModeInfo(mode_).atEnd, position_);
}

void PlayController::onFailed(const QString& reason) {
    if (!active())
        return;
    HostLog::say(tr("Cannot play %1 (%2), skipping it").arg(title(), reason));
    const int songs = hooks_.songCount ? hooks_.songCount() : 1;
    if (++failures_ >= qMax(1, songs)) {
        finish(tr("no song of the list could be played"));
        return;
    }
    go(skipOrder(), position_);
}

int PlayController::skipOrder() const {
    // Skipping never plays the failed song again, whatever the mode.
    return mode_ == PlayMode::RepeatOne ? play_order::kNextWrap : playModeInfo(mode_).atEnd;
}

void PlayController::onPosition(qint64 ms) {
    if (limitMs_ > 0 && ms >= limitMs_) {
        limitMs_ = 0;
        onEnded();
    }
}

void PlayController::finish(const QString& why) {
    engine_.stop();
    if (active())
        hooks_.markPlaying(kStateStopped);
    position_ = -1;
    song_ = NextSongAnswer();
    limitMs_ = 0;
    HostLog::say(tr("Playing stopped: %1").arg(why));
    emit stopped(why);
}

} // namespace kesto
