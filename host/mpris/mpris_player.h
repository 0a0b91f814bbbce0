#pragma once
// The desktop's media controls (MPRIS 2, org.mpris.MediaPlayer2.Player): play, pause, stop,
// next, previous, seek, and what plays, with a PropertiesChanged signal when any of it changes.

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

#include <functional>

namespace kesto {

class PlayController;

struct MprisHooks {
    std::function<void()> play;     // starts or resumes as the play button does
    std::function<QString()> album; // album of the song that plays
};

class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canControl)
    Q_PROPERTY(bool CanGoPrevious READ canControl)
    Q_PROPERTY(bool CanPlay READ canControl)
    Q_PROPERTY(bool CanPause READ canControl)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    MprisPlayer(QObject* holder, PlayController& controller, MprisHooks hooks);

    QString playbackStatus() const;
    double rate() const { return 1.0; }
    void setRate(double) {}
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    qlonglong position() const; // microseconds
    bool canControl() const { return true; }
    bool canSeek() const;

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& track, qlonglong position);
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong position);

private:
    QDBusObjectPath trackId() const;
    // The engine's length of the song, else the catalogue's.
    qlonglong lengthMs() const;
    void tellChanged();

    PlayController& controller_;
    MprisHooks hooks_;
};

} // namespace kesto
