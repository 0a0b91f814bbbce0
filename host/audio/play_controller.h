#pragma once
// Plays the module's now-playing list: asks entry 24 for the song at a position or for the one
// that follows by the play mode, plays its granted stream or local file, marks the playing row
// through entry 25 and moves on at the end of a song. A song that cannot be played is skipped
// with its reason in the log; a whole list of failures stops playing.

#include "host/audio/next_song_call.h"
#include "host/audio/play_mode.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace kesto {

class AudioEngine;

struct PlayHooks {
    std::function<NextSongAnswer(int order, int position, bool restart)> nextSong; // entry 24
    std::function<void(int state)> markPlaying;                                    // entry 25
    std::function<int()> songCount;                                                // entry 0
    std::function<void()> listenToPage; // every row of the page in view, as "듣기" plays them
};

class PlayController : public QObject {
    Q_OBJECT
public:
    // Values handed to entry 25 for the playing row.
    static constexpr int kStateStopped = 0;
    static constexpr int kStatePlaying = 1;
    static constexpr int kStatePaused = 2;

    PlayController(AudioEngine& engine, PlayHooks hooks, QObject* parent = nullptr);
    ~PlayController() override;

    // Host service table A's entry 4: 1 while a song of the now-playing list is playing or
    // paused, 0 when nothing plays (or before the player exists).
    static int playsNowPlaying();

    // Message 1133: play the now-playing list from this position.
    void playFrom(int position);
    void next();
    void previous();
    void togglePause();
    // "Play" with nothing playing: the now-playing list from its top, else the page in view.
    void playFromTop();
    // Pauses what plays, resumes what is paused, starts when nothing plays.
    void playOrPause();
    void stop();
    void setMode(PlayMode mode) { mode_ = mode; }
    PlayMode mode() const { return mode_; }

    bool active() const { return position_ >= 0; }
    int position() const { return position_; }
    const NextSongAnswer& song() const { return song_; }
    QString title() const; // "artist - name" of the song, UTF-8 decoded
    AudioEngine& engine() { return engine_; }

    // Where a song comes from: the granted stream address or the local file.
    static QUrl sourceOf(const NextSongAnswer& song);

signals:
    void songChanged();
    void stopped(const QString& why);

private:
    void go(int order, int position);
    void start(const NextSongAnswer& song);
    void onEnded();
    void onFailed(const QString& reason);
    void onPosition(qint64 ms);
    void finish(const QString& why);
    int skipOrder() const;

    AudioEngine& engine_;
    PlayHooks hooks_;
    PlayMode mode_ = PlayMode::RepeatAll;
    int position_ = -1;
    NextSongAnswer song_;
    qint64 limitMs_ = 0; // a preview grant ends here
    int failures_ = 0;   // in a row
    bool toldSilent_ = false;
};

} // namespace kesto
