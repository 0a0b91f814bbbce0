#pragma once
// The mini play list's window: a frameless tool window that paints its headings and total
// line, moves by its top strip (snapping to screen edges), resizes from its edges and corners
// (never below 351 × 165), and hands every numbered message it receives to its owner. It tells
// the host when the user starts and ends a move and ends a resize. Under the caption it draws
// the host's play position and volume; the host's status text stands left of the total line.

#include "minimode/mini_play_line.h"
#include "minimode/window_frame.h"
#include "pages/message_shapes.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace kesto {

class MiniListWindow : public QWidget {
    Q_OBJECT
    // The painted total line: number of songs and their time.
    Q_PROPERTY(QString totalLine READ totalLine)
    // What the host handed over for the caption, the status line and the play line.
    Q_PROPERTY(QString songInfo READ songInfo)
    Q_PROPERTY(QString statusText READ statusText)
    Q_PROPERTY(QString playTime READ playTime)
    Q_PROPERTY(int playedFill READ playedFill)
    Q_PROPERTY(int volumeFill READ volumeFill)
public:
    using MessageHandler = std::function<void(unsigned message, MessageWords words)>;
    // Files and folders dropped on the window, as local paths.
    using DropHandler = std::function<void(const std::vector<std::string>& paths)>;

    MiniListWindow();

    void setMessageHandler(MessageHandler handler) { handler_ = std::move(handler); }
    void setLayoutHandler(std::function<void()> handler) { layOut_ = std::move(handler); }
    void setDropHandler(DropHandler handler) { drop_ = std::move(handler); }
    // Where the messages for the host go (move started, moved, resized).
    void setHostNotifier(MessageHandler notifier) { notify_ = std::move(notifier); }
    void setColors(const QColor& text, const QColor& back);
    void setTotalLine(const QString& text);
    void setSongInfo(const QString& text);
    void setStatusText(const QString& text);
    void setPlayLine(const MiniPlayLine& line);
    QString totalLine() const { return totalLine_; }
    QString songInfo() const { return songInfo_; }
    QString statusText() const { return statusText_; }
    QString playTime() const { return QString::fromStdString(playLine_.timeText()); }
    int playedFill() const { return playLine_.playedFill(); }
    int volumeFill() const { return playLine_.shown() ? playLine_.volumeFill() : 0; }
    // Set while the caption is pressed with the window right below the host window.
    bool docked() const { return docked_; }
    // Whether the window sits right below the host's main window now.
    bool dockedNow() const;
    void setHostWindow(QWidget* host) { host_ = host; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static KestoRect toRect(const QRect& r);
    static QRect toQRect(const KestoRect& r);
    std::vector<KestoRect> screenAreas() const;
    void updateCursor(FrameZone zone);
    void tell(unsigned message, MessageWords words) const;
    void paintPlayLine(QPainter& painter, const QRect& caption);

    MessageHandler handler_;
    std::function<void()> layOut_;
    DropHandler drop_;
    MessageHandler notify_;
    QPointer<QWidget> host_; // the host may destroy its window first
    QFont font_;
    QColor text_{0x20, 0x20, 0x20};
    QColor back_{0xF4, 0xF4, 0xF4};
    QString totalLine_;
    QString songInfo_;
    QString statusText_;
    MiniPlayLine playLine_;
    // The drag in progress: its zone, where it started and the rectangle then.
    FrameZone dragZone_ = FrameZone::Inside;
    QPoint dragStart_;
    QRect startGeometry_;
    bool moving_ = false;
    bool docked_ = false;
};

} // namespace kesto
