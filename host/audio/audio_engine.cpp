#include "host/audio/audio_engine.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>

namespace kesto {

AudioEngine::AudioEngine(QObject* parent)
    : QObject(parent), player_(nullptr), output_(new QAudioOutput(this)) {
    output_->setVolume(0.8F);
    makePlayer();
}

void AudioEngine::makePlayer() {
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit ended();
        else if (status == QMediaPlayer::InvalidMedia)
            fail(player_->errorString().isEmpty() ? tr("the media cannot be played")
                                                  : player_->errorString());
    });
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString& text) {
                if (error != QMediaPlayer::NoError)
                    fail(text.isEmpty() ? tr("playing failed") : text);
            });
    connect(player_, &QMediaPlayer::positionChanged, this, &AudioEngine::positionChanged);
    connect(player_, &QMediaPlayer::durationChanged, this, &AudioEngine::durationChanged);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &AudioEngine::stateChanged);
}

void AudioEngine::fail(const QString& reason) {
    // A failed pipeline reports the failure more than once and later, and may not play again:
    // the next song gets a new player, and the old one's reports go nowhere.
    QMediaPlayer* broken = player_;
    disconnect(broken, nullptr, this, nullptr);
    broken->setAudioOutput(nullptr);
    broken->deleteLater();
    makePlayer();
    emit failed(reason);
    emit stateChanged();
}

AudioEngine::~AudioEngine() {
    player_->stop();
}

bool AudioEngine::silent() {
    return QMediaDevices::audioOutputs().isEmpty();
}

void AudioEngine::play(const QUrl& source) {
    player_->stop();
    player_->setSource(source);
    player_->play();
}

void AudioEngine::pause() {
    player_->pause();
}

void AudioEngine::resume() {
    player_->play();
}

void AudioEngine::stop() {
    player_->stop();
}

void AudioEngine::seek(qint64 ms) {
    player_->setPosition(ms);
}

void AudioEngine::setVolume(int percent) {
    output_->setVolume(static_cast<float>(qBound(0, percent, 100)) / 100.0F);
}

bool AudioEngine::isPlaying() const {
    return player_->playbackState() == QMediaPlayer::PlayingState;
}

bool AudioEngine::isPaused() const {
    return player_->playbackState() == QMediaPlayer::PausedState;
}

qint64 AudioEngine::position() const {
    return player_->position();
}

qint64 AudioEngine::duration() const {
    return player_->duration();
}

int AudioEngine::volume() const {
    return qRound(output_->volume() * 100.0F);
}

QUrl AudioEngine::source() const {
    return player_->source();
}

} // namespace kesto
