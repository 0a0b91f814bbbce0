#pragma once
// The promotion strip under the buttons: shows the promotion texts of the log-in one after
// another on its own timer.

#include "protocol/promotion_request.h"

#include <QBasicTimer>
#include <QLabel>

#include <vector>

namespace kesto {

class PromotionStrip final : public QLabel {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 4000;

    explicit PromotionStrip(QWidget* parent);

    // Takes the entries and starts the strip's timer; no entries stop it.
    void start(std::vector<PromotionEntry> entries);
    bool running() const { return timer_.isActive(); }
    std::size_t count() const { return entries_.size(); }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void showEntry();

    std::vector<PromotionEntry> entries_;
    std::size_t next_ = 0;
    QBasicTimer timer_;
};

} // namespace kesto
