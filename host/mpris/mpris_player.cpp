#include "host/mpris/mpris_player.h"

#include "host/audio/audio_engine.h"
#include "host/audio/play_controller.h"
#include "host/session/cp949_text.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace kesto {
namespace {

constexpr qlonglong kUsPerMs = 1000;
constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

QString utf8(const std::string& cp949) {
    return QString::fromStdString(Cp949Text::toUtf8(cp949));
}

} // namespace

MprisPlayer::MprisPlayer(QObject* holder, PlayController& controller, MprisHooks hooks)
    : QDBusAbstractAdaptor(holder), controller_(controller), hooks_(std::move(hooks)) {
    connect(&controller_, &PlayController::songChanged, this, &MprisPlayer::tellChanged);
    connect(&controller_, &PlayController::stopped, this, &MprisPlayer::tellChanged);
    connect(&controller_.engine(), &AudioEngine::stateChanged, this, &MprisPlayer::tellChanged);
    connect(&controller_.engine(), &AudioEngine::durationChanged, this, &MprisPlayer::tellChanged);
}

QString MprisPlayer::playbackStatus() const {
    if (!controller_.active())
        return QStringLiteral("Stopped");
    return controller_.engine().isPaused() ? QStringLiteral("Paused") : QStringLiteral("Playing");
}

QDBusObjectPath MprisPlayer::trackId() const {
    if (!controller_.active())
        return QDBusObjectPath(QString::fromLatin1(kNoTrack));
    return QDBusObjectPath(QStringLiteral("/org/kesto/player/track/%1").arg(controller_.position()));
}

QVariantMap MprisPlayer::metadata() const {
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId()));
    if (!controller_.active())
        return map;
    const NextSongAnswer& song = controller_.song();
    const qlonglong length = lengthMs();
    map.insert(QStringLiteral("xesam:title"), utf8(song.songName));
    map.insert(QStringLiteral("xesam:artist"), QStringList{utf8(song.artist)});
    map.insert(QStringLiteral("xesam:album"), hooks_.album ? hooks_.album() : QString());
    map.insert(QStringLiteral("mpris:length"), length * kUsPerMs);
    return map;
}

double MprisPlayer::volume() const {
    return controller_.engine().volume() / 100.0;
}

void MprisPlayer::setVolume(double volume) {
    controller_.engine().setVolume(static_cast<int>(qBound(0.0, volume, 1.0) * 100));
}

qlonglong MprisPlayer::position() const {
    return controller_.active() ? controller_.engine().position() * kUsPerMs : 0;
}

bool MprisPlayer::canSeek() const {
    return controller_.active();
}

void MprisPlayer::Play() {
    if (controller_.active() && controller_.engine().isPaused())
        controller_.togglePause();
    else if (!controller_.active() && hooks_.play)
        hooks_.play();
}

void MprisPlayer::Pause() {
    if (controller_.active() && !controller_.engine().isPaused())
        controller_.togglePause();
}

void MprisPlayer::PlayPause() {
    controller_.active() ? controller_.togglePause() : Play();
}

void MprisPlayer::Stop() {
    controller_.stop();
}

void MprisPlayer::Next() {
    controller_.next();
}

void MprisPlayer::Previous() {
    controller_.previous();
}

qlonglong MprisPlayer::lengthMs() const {
    const qlonglong length = controller_.engine().duration();
    return length > 0 ? length : controller_.song().playTime * 1000LL;
}

void MprisPlayer::Seek(qlonglong offset) {
    if (!controller_.active())
        return;
    // Any offset a client sends lands within the song: the milliseconds are added only once
    // both sides are in range, so nothing overflows on the way.
    const qlonglong length = qMax<qlonglong>(0, lengthMs());
    const qlonglong at = qBound<qlonglong>(0, controller_.engine().position(), length);
    const qlonglong to = qBound<qlonglong>(-at, offset / kUsPerMs, length - at) + at;
    controller_.engine().seek(to);
    emit Seeked(to * kUsPerMs);
}

void MprisPlayer::SetPosition(const QDBusObjectPath& track, qlonglong position) {
    // A position for a song that no longer plays, or outside it, is ignored, as the interface says.
    if (!controller_.active() || track != trackId() || position < 0 || position / kUsPerMs > lengthMs())
        return;
    controller_.engine().seek(position / kUsPerMs);
    emit Seeked(position);
}

void MprisPlayer::OpenUri(const QString&) {}

void MprisPlayer::tellChanged() {
    QVariantMap changed;
    changed.insert(QStringLiteral("PlaybackStatus"), playbackStatus());
    changed.insert(QStringLiteral("Metadata"), metadata());
    changed.insert(QStringLiteral("CanSeek"), canSeek());
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace kesto
