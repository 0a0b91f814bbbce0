#include "host/audio/transport_bar.h"

#include "host/audio/audio_engine.h"
#include "host/audio/play_controller.h"
#include "host/window/host_plain_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace kesto {

TransportBar::TransportBar(PlayController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller),
      previous_(button(QStringLiteral("◀◀ 이전 곡"), QStringLiteral("previousSong"), tr("Previous song"))),
      play_(button(QStringLiteral("▶ 재생"), QStringLiteral("playPause"), tr("Play or pause"))),
      stop_(button(QStringLiteral("■ 정지"), QStringLiteral("stopSong"), tr("Stop"))),
      next_(button(QStringLiteral("다음 곡 ▶▶"), QStringLiteral("nextSong"), tr("Next song"))),
      seek_(new QSlider(Qt::Horizontal, this)),
      time_(new QLabel(clock(0) + QStringLiteral(" / ") + clock(0), this)), song_(HostPlainText::label(this)),
      volume_(new QSlider(Qt::Horizontal, this)), mode_(new QComboBox(this)) {
    setObjectName(QStringLiteral("transportBar"));
    seek_->setObjectName(QStringLiteral("seekSlider"));
    seek_->setToolTip(tr("Position in the song"));
    volume_->setObjectName(QStringLiteral("volumeSlider"));
    volume_->setRange(0, 100);
    volume_->setValue(controller_.engine().volume());
    volume_->setMaximumWidth(90);
    volume_->setToolTip(tr("Volume"));
    mode_->setObjectName(QStringLiteral("playMode"));
    mode_->setToolTip(tr("Play mode"));
    for (const PlayModeInfo& info : kPlayModes)
        mode_->addItem(QString::fromUtf8(info.label), static_cast<int>(info.mode));
    mode_->setCurrentIndex(static_cast<int>(controller_.mode()));
    song_->setObjectName(QStringLiteral("songLabel"));
    song_->setMinimumWidth(180);
    time_->setObjectName(QStringLiteral("timeLabel"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    for (QWidget* w : {static_cast<QWidget*>(previous_), static_cast<QWidget*>(play_),
                       static_cast<QWidget*>(stop_), static_cast<QWidget*>(next_)})
        row->addWidget(w);
    // The strip above names the song; the label stays for what reads it.
    row->addWidget(song_);
    song_->hide();
    row->addWidget(seek_, 3);
    row->addWidget(time_);
    row->addWidget(new QLabel(QStringLiteral("음량"), this));
    row->addWidget(volume_);
    row->addWidget(mode_);

    connect(previous_, &QPushButton::clicked, &controller_, &PlayController::previous);
    connect(next_, &QPushButton::clicked, &controller_, &PlayController::next);
    connect(stop_, &QPushButton::clicked, &controller_, &PlayController::stop);
    connect(play_, &QPushButton::clicked, &controller_, &PlayController::playOrPause);
    connect(seek_, &QSlider::sliderMoved, this,
            [this](int seconds) { controller_.engine().seek(seconds * 1000LL); });
    connect(volume_, &QSlider::valueChanged, this, [this](int v) { controller_.engine().setVolume(v); });
    connect(mode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        controller_.setMode(static_cast<PlayMode>(mode_->itemData(index).toInt()));
    });
    AudioEngine& engine = controller_.engine();
    connect(&engine, &AudioEngine::positionChanged, this, &TransportBar::showTime);
    connect(&engine, &AudioEngine::durationChanged, this, &TransportBar::showTime);
    connect(&engine, &AudioEngine::stateChanged, this, &TransportBar::refresh);
    connect(&controller_, &PlayController::songChanged, this, &TransportBar::refresh);
    connect(&controller_, &PlayController::stopped, this, &TransportBar::refresh);
    refresh();
}

QPushButton* TransportBar::button(const QString& text, const QString& name, const QString& tip) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

QString TransportBar::clock(qint64 ms) {
    const qint64 seconds = qMax<qint64>(0, ms / 1000);
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void TransportBar::refresh() {
    const bool playing = controller_.engine().isPlaying();
    play_->setText(playing ? QStringLiteral("❚❚ 일시정지") : QStringLiteral("▶ 재생"));
    song_->setText(controller_.active() ? controller_.title() : QStringLiteral("재생 중인 곡 없음"));
    stop_->setEnabled(controller_.active());
    showTime();
}

void TransportBar::showTime() {
    AudioEngine& engine = controller_.engine();
    const qint64 length = controller_.active() ? engine.duration() : 0;
    const qint64 at = controller_.active() ? engine.position() : 0;
    if (!seek_->isSliderDown()) {
        seek_->setRange(0, static_cast<int>(length / 1000));
        seek_->setValue(static_cast<int>(at / 1000));
    }
    time_->setText(clock(at) + QStringLiteral(" / ") + clock(length));
}

} // namespace kesto
