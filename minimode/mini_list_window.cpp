#include "minimode/mini_list_window.h"

#include "include/kesto/window_message.h"
#include "minimode/mini_layout.h"
#include "minimode/mini_texts.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace kesto {

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

bool MiniListWindow::event(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType())
        return QWidget::event(event);
    const auto* message = static_cast<WindowMessageEvent*>(event);
    if (handler_)
        handler_(message->message(), message->wParam(), message->lParam());
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
    // The caption strip shows the song the host reports.
    const QRect caption(8, 2, width() - 34, WindowFrame::kCaptionHeight - 2);
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
    painter.drawText(QRect(total.x, total.y, total.width, total.height),
                     Qt::AlignVCenter | Qt::AlignRight | Qt::TextSingleLine, totalLine_);
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
    if (moving_ && host_ != nullptr) {
        const QRect host(host_->mapToGlobal(QPoint(0, 0)), host_->size());
        docked_ = WindowFrame::docked(toRect(geometry()), toRect(host));
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
    moving_ = false;
    releaseMouse();
}

} // namespace kesto
