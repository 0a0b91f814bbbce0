#include "panel/promotion_strip.h"

#include "platform/screen_text.h"

#include <QTimerEvent>

namespace kesto {

namespace {
// The entry's title; its first field when the title is empty.
constexpr std::size_t kTitleField = 1;
constexpr int kIndent = 8;
} // namespace

PromotionStrip::PromotionStrip(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("promotionStrip"));
    setTextFormat(Qt::PlainText);
    // A promotion, not the page's heading under it: a tinted strip of its own, the text
    // smaller and at the right.
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setIndent(kIndent);
    setStyleSheet(
        QStringLiteral("QLabel#promotionStrip { background: #FFF4D6; color: #8A5A00; font-size: 11px;"
                       " font-style: italic; border-bottom: 1px solid #F0DCA0; }"));
}

void PromotionStrip::start(std::vector<PromotionEntry> entries) {
    entries_ = std::move(entries);
    next_ = 0;
    timer_.stop();
    clear();
    if (entries_.empty())
        return;
    showEntry();
    timer_.start(kIntervalMs, this);
}

void PromotionStrip::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId())
        return QLabel::timerEvent(event);
    showEntry();
}

void PromotionStrip::showEntry() {
    const PromotionEntry& entry = entries_[next_ % entries_.size()];
    const std::string& text = entry[kTitleField].empty() ? entry[0] : entry[kTitleField];
    setText(ScreenText::fromCp949(text));
    ++next_;
}

} // namespace kesto
