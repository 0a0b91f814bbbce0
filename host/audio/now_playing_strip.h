#pragma once
// The song that plays, above the play controls: a picture (made from the song's names when
// none comes with it), the title, artist and album, the position over the length.

#include <QWidget>

#include <functional>

class QLabel;

namespace kesto {

class PlayController;

class NowPlayingStrip : public QWidget {
    Q_OBJECT
public:
    // albumOf: the album name of the now-playing list's song at a position, UTF-8.
    NowPlayingStrip(PlayController& controller, std::function<QString(int position)> albumOf,
                    QWidget* parent = nullptr);

    QString title() const;
    QString artist() const;
    QString album() const { return album_; }
    // "title — artist", empty when nothing plays.
    QString caption() const;

    // A square picture for a song without one: its initial on a colour of its own.
    static QPixmap placeholder(const QString& title, const QString& artist, int side);

signals:
    void captionChanged(const QString& caption);

private:
    void refresh();
    void showTime();

    PlayController& controller_;
    std::function<QString(int)> albumOf_;
    QString album_;
    QLabel* cover_;
    QLabel* title_;
    QLabel* details_;
    QLabel* time_;
};

} // namespace kesto
