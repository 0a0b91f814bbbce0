#include "minimode/song_text_window.h"

#include "minimode/mini_texts.h"
#include "webview/html_area.h"
#include "webview/html_area_factory.h"

#include <QPainter>
#include <QPixmap>
#include <QRegion>

namespace kesto {

namespace {

constexpr int kCloseFromRight = 22;
constexpr int kCloseTop = 3;
constexpr int kCloseWidth = 14;
constexpr int kCloseHeight = 13;
constexpr int kViewLeft = 8;
constexpr int kViewTop = 24;
constexpr int kViewWidthMargin = 16;
constexpr int kViewHeightMargin = 37;
constexpr int kTitleHeight = 22;
// The white page area: from (13, 27) to 15 from the right and 13 from the bottom.
constexpr int kPageLeft = 13;
constexpr int kPageTop = 27;
constexpr int kPageRightMargin = 15;
constexpr int kPageBottomMargin = 13;

} // namespace

SongTextWindow::SongTextWindow(bool topMost)
    : QWidget(nullptr,
              Qt::Tool | Qt::FramelessWindowHint | (topMost ? Qt::WindowStaysOnTopHint : Qt::Widget)),
      html_(HtmlAreaFactory::create(this)) {
    setObjectName(QString::fromUtf8(mini::text::kSongTextClass));
    setWindowTitle(QString::fromUtf8(mini::text::kSongTextTitle));
    titleFont_.setFamilies(
        {QString::fromUtf8("굴림"), QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
    titleFont_.setPixelSize(12);
    titleFont_.setWeight(QFont::Bold);
    html_->widget()->setObjectName(QStringLiteral("songTextView"));
}

QString SongTextWindow::address() const {
    return QString::fromStdString(html_->address());
}

void SongTextWindow::setCloseButton(QWidget* button) {
    close_ = button;
    resizeEvent(nullptr);
}

void SongTextWindow::setTitle(const QString& title) {
    title_ = title;
    update();
}

void SongTextWindow::setColors(const QColor& text, const QColor& back) {
    text_ = text;
    back_ = back;
    update();
}

QPolygon SongTextWindow::outline(int w, int h) {
    return QPolygon({{w - 5, 0},
                     {w - 3, 1},
                     {w - 2, 2},
                     {w - 1, 4},
                     {w - 1, h - 5},
                     {w - 2, h - 3},
                     {w - 3, h - 2},
                     {w - 5, h - 1},
                     {4, h - 1},
                     {2, h - 2},
                     {1, h - 3},
                     {0, h - 5},
                     {0, 4},
                     {1, 2},
                     {2, 1},
                     {4, 0}});
}

void SongTextWindow::resizeEvent(QResizeEvent*) {
    setMask(QRegion(outline(width(), height()), Qt::WindingFill));
    if (close_ != nullptr)
        close_->setGeometry(width() - kCloseFromRight, kCloseTop, kCloseWidth, kCloseHeight);
    html_->widget()->setGeometry(kViewLeft, kViewTop, width() - kViewWidthMargin,
                                 height() - kViewHeightMargin);
}

void SongTextWindow::paintEvent(QPaintEvent*) {
    // Drawn off screen, then copied in one go.
    QPixmap frame(size());
    frame.fill(back_);
    {
        QPainter painter(&frame);
        painter.setPen(text_.lighter(160));
        painter.drawPolygon(outline(width(), height()));
        painter.fillRect(QRect(0, 0, width(), kTitleHeight).adjusted(2, 2, -2, 0), back_.darker(108));
        painter.setFont(titleFont_);
        painter.setPen(text_);
        painter.drawText(QRect(0, 0, width(), kTitleHeight), Qt::AlignCenter | Qt::TextSingleLine,
                         title_.isEmpty() ? QString::fromUtf8(mini::text::kSongTextTitle) : title_);
        painter.fillRect(QRect(QPoint(kPageLeft, kPageTop),
                               QPoint(width() - kPageRightMargin, height() - kPageBottomMargin)),
                         Qt::white);
    }
    QPainter(this).drawPixmap(0, 0, frame);
}

} // namespace kesto
