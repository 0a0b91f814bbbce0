#pragma once
// The host's audio: one media player with its output. Plays an address or a file, reports
// position, length, state, the end of a song and failures with a reason. Without an audio
// device the media still decodes and time runs, so playing goes on silently.

#include <QObject>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

namespace kesto {

class AudioEngine : public QObject {
    Q_OBJECT
public:
    explicit AudioEngine(QObject* parent = nullptr);
    ~AudioEngine() override;

    void play(const QUrl& source);
    void pause();
    void resume();
    void stop();
    void seek(qint64 ms);
    void setVolume(int percent); // 0 to 100

    bool isPlaying() const;
    bool isPaused() const;
    qint64 position() const;
    qint64 duration() const;
    int volume() const;
    QUrl source() const;
    // True when the machine offers no audio output (decoding goes on without sound).
    static bool silent();

signals:
    void ended();
    void failed(const QString& reason);
    void positionChanged(qint64 ms);
    void durationChanged(qint64 ms);
    void stateChanged();

private:
    void makePlayer();
    void fail(const QString& reason);

    QMediaPlayer* player_;
    QAudioOutput* output_;
};

} // namespace kesto
