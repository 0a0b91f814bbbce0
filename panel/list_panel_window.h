#pragma once
// The panel's window: a child of the host window holding the button bar, the promotion strip
// and the list view. Every numbered message it receives goes through the dispatch table.

#include <QBasicTimer>
#include <QWidget>

class QPixmap;

namespace kesto {

class ButtonBar;
class ListViewArea;
class PromotionStrip;
struct PanelParts;

class ListPanelWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOneShotTimerMs = 100;

    explicit ListPanelWindow(QWidget* parent);

    // Messages are dropped until the parts are handed over.
    void setParts(PanelParts* parts) { parts_ = parts; }

    // The children, handed over once made; the window lays them out.
    void setChildren(ButtonBar* buttons, PromotionStrip* promotion, ListViewArea* listView);
    void setBackground(const QPixmap* background) { background_ = background; }
    void layOutChildren();
    void startOneShotTimer();
    void stopOneShotTimer() { oneShot_.stop(); }
    bool oneShotTimerActive() const { return oneShot_.isActive(); }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    PanelParts* parts_ = nullptr;
    ButtonBar* buttons_ = nullptr;
    PromotionStrip* promotion_ = nullptr;
    ListViewArea* listView_ = nullptr;
    const QPixmap* background_ = nullptr;
    QBasicTimer oneShot_;
};

} // namespace kesto
