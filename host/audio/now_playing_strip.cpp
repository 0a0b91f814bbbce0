#include "host/audio/now_playing_strip.h"

#include "host/audio/audio_engine.h"
#include "host/audio/play_controller.h"
#include "host/audio/transport_bar.h"
#include "host/session/cp949_text.h"
#include "host/window/host_plain_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace kesto {
namespace {

constexpr int kCoverSide = 56;

QString utf8(const std::string& cp949) {
    return QString::fromStdString(Cp949Text::toUtf8(cp949));
}

} // namespace

NowPlayingStrip::NowPlayingStrip(PlayController& controller, std::function<QString(int)> albumOf,
                                 QWidget* parent)
    : QWidget(parent), controller_(controller), albumOf_(std::move(albumOf)), cover_(new QLabel(this)),
      title_(HostPlainText::label(this)), details_(HostPlainText::label(this)), time_(new QLabel(this)) {
    setObjectName(QStringLiteral("nowPlayingStrip"));
    cover_->setObjectName(QStringLiteral("coverPicture"));
    cover_->setFixedSize(kCoverSide, kCoverSide);
    title_->setObjectName(QStringLiteral("nowPlayingTitle"));
    details_->setObjectName(QStringLiteral("nowPlayingDetails"));
    time_->setObjectName(QStringLiteral("nowPlayingTime"));
    QFont big = title_->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    title_->setFont(big);
    details_->setStyleSheet(QStringLiteral("color: palette(dark);"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 2);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(0);
    grid->addWidget(cover_, 0, 0, 2, 1);
    grid->addWidget(title_, 0, 1);
    grid->addWidget(details_, 1, 1);
    grid->addWidget(time_, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    connect(&controller_, &PlayController::songChanged, this, &NowPlayingStrip::refresh);
    connect(&controller_, &PlayController::stopped, this, &NowPlayingStrip::refresh);
    connect(&controller_.engine(), &AudioEngine::positionChanged, this, &NowPlayingStrip::showTime);
    connect(&controller_.engine(), &AudioEngine::durationChanged, this, &NowPlayingStrip::showTime);
    refresh();
}

QString NowPlayingStrip::title() const {
    return controller_.active() ? utf8(controller_.song().songName) : QString();
}

QString NowPlayingStrip::artist() const {
    return controller_.active() ? utf8(controller_.song().artist) : QString();
}

QString NowPlayingStrip::caption() const {
    if (!controller_.active())
        return {};
    return artist().isEmpty() ? title() : title() + QStringLiteral(" — ") + artist();
}

QPixmap NowPlayingStrip::placeholder(const QString& title, const QString& artist, int side) {
    QPixmap picture(side, side);
    // The same song always gets the same colour.
    const int hue = static_cast<int>(qHash(title + artist) % 360);
    QLinearGradient fill(0, 0, side, side);
    fill.setColorAt(0, QColor::fromHsv(hue, 120, 230));
    fill.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 170, 150));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(picture.rect(), fill);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(side / 2);
    font.setBold(true);
    painter.setFont(font);
    const QString initial = title.isEmpty() ? QStringLiteral("♪") : title.left(1).toUpper();
    painter.drawText(picture.rect(), Qt::AlignCenter, initial);
    return picture;
}

void NowPlayingStrip::refresh() {
    const bool playing = controller_.active();
    album_ = playing && albumOf_ ? albumOf_(controller_.position()) : QString();
    title_->setText(playing ? title() : tr("Nothing playing"));
    QStringList details;
    for (const QString& part : {artist(), album_})
        if (!part.isEmpty())
            details << part;
    details_->setText(playing ? details.join(QStringLiteral(" · ")) : tr("Choose songs and press Listen"));
    cover_->setPixmap(placeholder(title(), artist(), kCoverSide));
    showTime();
    emit captionChanged(caption());
}

void NowPlayingStrip::showTime() {
    const AudioEngine& engine = controller_.engine();
    const bool playing = controller_.active();
    qint64 length = playing ? engine.duration() : 0;
    if (length <= 0 && playing)
        length = controller_.song().playTime * 1000LL;
    time_->setText(TransportBar::clock(playing ? engine.position() : 0) + QStringLiteral(" / ") +
                   TransportBar::clock(length));
}

} // namespace kesto
