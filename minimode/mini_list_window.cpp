#include "minimode/mini_list_window.h"

#include "include/kesto/window_message.h"
#include "minimode/mini_layout.h"
#include "minimode/mini_texts.h"
#include "platform/failure_guard.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace kesto {

namespace {

// The play line between the caption and the headings: the position bar, then the volume bar.
constexpr int kBarTop = 19;
constexpr int kBarHeight = 3;
constexpr int kBarMargin = 8;
constexpr int kVolumeWidth = 40;
constexpr int kBarGap = 6;
// Room the caption leaves for the close button on its right.
constexpr int kCaptionRightMargin = 26;
// Alpha of a bar's unfilled track.
constexpr int kTrackAlpha = 70;

// Two signed 16-bit values in one message value, as the host unpacks them.
std::intptr_t packed(int low, int high) {
    return KESTO_PACK_PAIR(low, high);
}

} // namespace

MiniListWindow::MiniListWindow() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QString::fromUtf8(mini::text::kListClass));
    setWindowTitle(QString::fromUtf8(mini::text::kListTitle));
    setMinimumSize(MiniLayout::kMinWidth, MiniLayout::kMinHeight);
    setMouseTracking(true);
    setAcceptDrops(true);
    font_.setFamilies({QString::fromUtf8("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
    font_.setPixelSize(12);
    setFont(font_);
}

void MiniListWindow::setColors(const QColor& text, const QColor& back) {
    text_ = text;
    back_ = back;
    update();
}

void MiniListWindow::setTotalLine(const QString& text) {
    totalLine_ = text;
    update();
}

void MiniListWindow::setSongInfo(const QString& text) {
    songInfo_ = text;
    update();
}

void MiniListWindow::setStatusText(const QString& text) {
    statusText_ = text;
    update();
}

void MiniListWindow::setPlayLine(const MiniPlayLine& line) {
    playLine_ = line;
    update();
}

bool MiniListWindow::dockedNow() const {
    if (host_ == nullptr)
        return false;
    return WindowFrame::docked(toRect(geometry()), toRect(host_->window()->frameGeometry()));
}

void MiniListWindow::tell(unsigned message, MessageWords words) const {
    if (notify_)
        notify_(message, words);
}

bool MiniListWindow::event(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType())
        return QWidget::event(event);
    const auto* message = static_cast<WindowMessageEvent*>(event);
    // Qt's event loop lets no exception through: what a handler throws ends here.
    if (handler_)
        FailureGuard::run(LogCategory::Panel, "mini list message", [&] {
            handler_(message->message(), {message->wParam(), message->lParam()});
        });
    return true;
}

void MiniListWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    painter.setPen(text_.darker(130));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font_);
    painter.setPen(text_);
    const MiniLayout layout(width(), height());
    // The caption strip shows the song the host reports, and how far it is played.
    QRect caption(8, 2, width() - 8 - kCaptionRightMargin, WindowFrame::kCaptionHeight - 2);
    paintPlayLine(painter, caption);
    const QString time = playTime();
    if (!time.isEmpty())
        caption.setRight(caption.right() - painter.fontMetrics().horizontalAdvance(time) - kBarGap);
    painter.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(songInfo_, Qt::ElideRight, caption.width()));
    const MiniBox headings = layout.headings();
    const QRect line(0, headings.y, width(), headings.height);
    painter.drawText(QRect(layout.songHeadingX(), line.top(), layout.timeHeadingX() - layout.songHeadingX(),
                           line.height()),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     QString::fromUtf8(mini::text::kSongHeading));
    painter.drawText(
        QRect(layout.timeHeadingX(), line.top(), MiniLayout::kTimeHeadingFromRight, line.height()),
        Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, QString::fromUtf8(mini::text::kTimeHeading));
    const MiniBox total = layout.totalLine();
    const QRect totalBox(total.x, total.y, total.width, total.height);
    painter.drawText(totalBox, Qt::AlignVCenter | Qt::AlignRight | Qt::TextSingleLine, totalLine_);
    // The host's status text takes what the total line leaves.
    QRect status = totalBox;
    status.setRight(totalBox.right() - painter.fontMetrics().horizontalAdvance(totalLine_) - kBarGap);
    painter.drawText(
        status, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
        painter.fontMetrics().elidedText(statusText_, Qt::ElideRight, std::max(status.width(), 0)));
}

void MiniListWindow::paintPlayLine(QPainter& painter, const QRect& caption) {
    if (!playLine_.shown())
        return;
    painter.drawText(caption, Qt::AlignVCenter | Qt::AlignRight | Qt::TextSingleLine, playTime());
    const int volumeLeft = width() - kBarMargin - kVolumeWidth;
    const QRect played(kBarMargin, kBarTop, volumeLeft - kBarGap - kBarMargin, kBarHeight);
    const QRect volume(volumeLeft, kBarTop, kVolumeWidth, kBarHeight);
    QColor track = text_;
    track.setAlpha(kTrackAlpha);
    // A paused song shows its bar dimmed.
    const QColor fill = playLine_.state() == MiniPlayLine::kPaused ? text_.darker(150) : text_;
    for (const auto& [box, filled] :
         {std::pair{played, playLine_.playedFill()}, std::pair{volume, playLine_.volumeFill()}}) {
        painter.fillRect(box, track);
        painter.fillRect(
            QRect(box.left(), box.top(), box.width() * filled / MiniPlayLine::kFull, box.height()), fill);
    }
}

void MiniListWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MiniListWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    if (paths.empty() || !drop_)
        return;
    event->acceptProposedAction();
    drop_(paths);
}

void MiniListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (layOut_)
        layOut_();
}

KestoRect MiniListWindow::toRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect MiniListWindow::toQRect(const KestoRect& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<KestoRect> MiniListWindow::screenAreas() const {
    std::vector<KestoRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(toRect(screen->availableGeometry()));
        areas.push_back(toRect(screen->geometry()));
    }
    return areas;
}

void MiniListWindow::updateCursor(FrameZone zone) {
    switch (zone) {
    case FrameZone::Left:
    case FrameZone::Right:
        return setCursor(Qt::SizeHorCursor);
    case FrameZone::Top:
    case FrameZone::Bottom:
        return setCursor(Qt::SizeVerCursor);
    case FrameZone::TopLeft:
    case FrameZone::BottomRight:
        return setCursor(Qt::SizeFDiagCursor);
    case FrameZone::TopRight:
    case FrameZone::BottomLeft:
        return setCursor(Qt::SizeBDiagCursor);
    default:
        return unsetCursor();
    }
}

void MiniListWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    dragZone_ = WindowFrame::hit(at.x(), at.y(), width(), height());
    if (dragZone_ == FrameZone::Inside)
        return QWidget::mousePressEvent(event);
    dragStart_ = event->globalPosition().toPoint();
    startGeometry_ = geometry();
    moving_ = dragZone_ == FrameZone::Caption;
    if (moving_) {
        docked_ = dockedNow();
        tell(KESTO_MSG_MINI_MOVE_STARTED, {docked_ ? 1 : 0, 0});
    }
    grabMouse();
}

void MiniListWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragZone_ == FrameZone::Inside) {
        updateCursor(WindowFrame::hit(at.x(), at.y(), width(), height()));
        return QWidget::mouseMoveEvent(event);
    }
    const QPoint delta = event->globalPosition().toPoint() - dragStart_;
    const KestoRect start = toRect(startGeometry_);
    if (moving_) {
        const KestoRect moved{start.left + delta.x(), start.top + delta.y(), start.right + delta.x(),
                              start.bottom + delta.y()};
        move(toQRect(WindowFrame::snapped(moved, screenAreas())).topLeft());
        return;
    }
    setGeometry(toQRect(WindowFrame::resized(start, dragZone_, delta.x(), delta.y(), MiniLayout::kMinWidth,
                                             MiniLayout::kMinHeight)));
}

void MiniListWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (dragZone_ == FrameZone::Inside)
        return QWidget::mouseReleaseEvent(event);
    dragZone_ = FrameZone::Inside;
    releaseMouse();
    if (moving_)
        tell(KESTO_MSG_MINI_MOVED, {dockedNow() ? 1 : 0, packed(geometry().x(), geometry().y())});
    else
        tell(KESTO_MSG_MINI_RESIZED, {0, packed(width(), height())});
    moving_ = false;
}

} // namespace kesto
