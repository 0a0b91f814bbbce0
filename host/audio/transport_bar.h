#pragma once
// The host's play controls under the panel: previous, play or pause, stop, next, the time
// played over the song's length with a seek slider, the volume and the play mode.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace kesto {

class PlayController;

class TransportBar : public QWidget {
    Q_OBJECT
public:
    TransportBar(PlayController& controller, QWidget* parent = nullptr);

    QPushButton* playButton() const { return play_; }
    QLabel* timeLabel() const { return time_; }
    QLabel* songLabel() const { return song_; }
    QComboBox* modeBox() const { return mode_; }

    static QString clock(qint64 ms);

private:
    QPushButton* button(const QString& text, const QString& name, const QString& tip);
    void refresh();
    void showTime();

    PlayController& controller_;
    QPushButton* previous_;
    QPushButton* play_;
    QPushButton* stop_;
    QPushButton* next_;
    QSlider* seek_;
    QLabel* time_;
    QLabel* song_;
    QSlider* volume_;
    QComboBox* mode_;
};

} // namespace kesto
