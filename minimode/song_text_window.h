#pragma once
// The song-text window: a frameless popup with cut corners, a title strip, a close button and
// an HTML view that shows the lyrics page of a song.

#include <QColor>
#include <QFont>
#include <QPolygon>
#include <QWidget>

namespace kesto {

class HtmlArea;

class SongTextWindow : public QWidget {
    Q_OBJECT
    // The address the HTML view shows.
    Q_PROPERTY(QString address READ address)
public:
    explicit SongTextWindow(bool topMost);

    HtmlArea& html() { return *html_; }
    QString address() const;
    void setCloseButton(QWidget* button);
    void setTitle(const QString& title);
    void setColors(const QColor& text, const QColor& back);

    // The outline that cuts the corners of a window width × height.
    static QPolygon outline(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    HtmlArea* html_;
    QWidget* close_ = nullptr;
    QFont titleFont_;
    QString title_;
    QColor text_{0x20, 0x20, 0x20};
    QColor back_{0xF4, 0xF4, 0xF4};
};

} // namespace kesto
