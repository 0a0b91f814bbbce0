#pragma once
// The mini play list's window: a frameless tool window that paints its headings and total
// line, moves by its top strip (snapping to screen edges), resizes from its edges and corners
// (never below 351 × 165), and hands every numbered message it receives to its owner.

#include "minimode/window_frame.h"

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

namespace kesto {

class MiniListWindow : public QWidget {
    Q_OBJECT
    // The painted total line: number of songs and their time.
    Q_PROPERTY(QString totalLine READ totalLine)
public:
    using MessageHandler = std::function<void(unsigned message, std::intptr_t wParam, std::intptr_t lParam)>;
    // Files and folders dropped on the window, as local paths.
    using DropHandler = std::function<void(const std::vector<std::string>& paths)>;

    MiniListWindow();

    void setMessageHandler(MessageHandler handler) { handler_ = std::move(handler); }
    void setLayoutHandler(std::function<void()> handler) { layOut_ = std::move(handler); }
    void setDropHandler(DropHandler handler) { drop_ = std::move(handler); }
    void setColors(const QColor& text, const QColor& back);
    void setTotalLine(const QString& text);
    void setSongInfo(const QString& text);
    QString totalLine() const { return totalLine_; }
    // Set while the caption is pressed with the window right below the host window.
    bool docked() const { return docked_; }
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

    MessageHandler handler_;
    std::function<void()> layOut_;
    DropHandler drop_;
    QPointer<QWidget> host_; // the host may destroy its window first
    QFont font_;
    QColor text_{0x20, 0x20, 0x20};
    QColor back_{0xF4, 0xF4, 0xF4};
    QString totalLine_;
    QString songInfo_;
    // The drag in progress: its zone, where it started and the rectangle then.
    FrameZone dragZone_ = FrameZone::Inside;
    QPoint dragStart_;
    QRect startGeometry_;
    bool moving_ = false;
    bool docked_ = false;
};

} // namespace kesto
