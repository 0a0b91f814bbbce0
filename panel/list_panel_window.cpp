#include "panel/list_panel_window.h"

#include "include/kesto/window_message.h"
#include "pages/dispatch_table.h"
#include "pages/message_shapes.h"
#include "panel/button_bar.h"
#include "panel/list_view_area.h"
#include "panel/panel_skin.h"
#include "panel/promotion_strip.h"
#include "platform/failure_guard.h"
#include "songs/panel_messages.h"

#include <QPainter>
#include <QTimerEvent>

namespace kesto {

namespace {

// Control ids travel in the low word of a command's wParam.
constexpr std::intptr_t kControlIdMask = 0xFFFF;

MessageSource sourceOf(unsigned message) {
    if (message == msg::kWindowCommand)
        return MessageSource::Command;
    if (message == msg::kWindowSize || message == msg::kWindowTimer)
        return MessageSource::Window;
    return MessageSource::Panel;
}

} // namespace

ListPanelWindow::ListPanelWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("listPanel"));
}

void ListPanelWindow::setChildren(ButtonBar* buttons, PromotionStrip* promotion, ListViewArea* listView) {
    buttons_ = buttons;
    promotion_ = promotion;
    listView_ = listView;
    layOutChildren();
}

void ListPanelWindow::layOutChildren() {
    int y = 0;
    if (buttons_ != nullptr) {
        buttons_->setGeometry(0, y, width(), skin::kButtonBarHeight);
        y += skin::kButtonBarHeight;
    }
    if (promotion_ != nullptr) {
        promotion_->setGeometry(0, y, width(), skin::kPromotionHeight);
        y += skin::kPromotionHeight;
    }
    if (listView_ != nullptr)
        listView_->setGeometry(0, y, width(), std::max(height() - y, 0));
}

void ListPanelWindow::startOneShotTimer() {
    oneShot_.start(kOneShotTimerMs, this);
}

bool ListPanelWindow::event(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType())
        return QWidget::event(event);
    const auto* message = static_cast<WindowMessageEvent*>(event);
    const MessageSource source = sourceOf(message->message());
    const unsigned id = source == MessageSource::Command
                            ? static_cast<unsigned>(message->wParam() & kControlIdMask)
                            : message->message();
    // Qt's event loop lets no exception through: what a handler throws ends here.
    if (parts_ != nullptr)
        FailureGuard::run(LogCategory::Panel, "panel message", [&] {
            DispatchTable::dispatch(*parts_, source, id, {message->wParam(), message->lParam()});
        });
    return true;
}

void ListPanelWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (parts_ != nullptr)
        FailureGuard::run(LogCategory::Panel, "panel resize", [this] {
            DispatchTable::dispatch(*parts_, MessageSource::Window, msg::kWindowSize, {});
        });
}

void ListPanelWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The skin's background sits behind the button rows.
    if (background_ != nullptr && !background_->isNull())
        painter.drawPixmap(QRect(0, 0, width(), skin::kButtonBarHeight), *background_);
}

void ListPanelWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != oneShot_.timerId())
        return QWidget::timerEvent(event);
    if (parts_ == nullptr)
        return stopOneShotTimer();
    FailureGuard::run(LogCategory::Panel, "panel timer", [this] {
        DispatchTable::dispatch(*parts_, MessageSource::Window, msg::kWindowTimer, {TimerId::kOneShot, 0});
    });
}

} // namespace kesto
