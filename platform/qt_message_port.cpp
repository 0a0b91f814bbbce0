#include "platform/qt_message_port.h"

#include "include/kesto/window_message.h"

#include <QCoreApplication>
#include <QObject>

namespace kesto {

bool QtMessagePort::post(WindowHandle target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    if (target == nullptr)
        return false;
    // postEvent is thread-safe and takes ownership of the event.
    QCoreApplication::postEvent(static_cast<QObject*>(target),
                                new WindowMessageEvent(message, wParam, lParam));
    return true;
}

std::intptr_t QtMessagePort::send(WindowHandle target, unsigned message, std::intptr_t wParam,
                                  std::intptr_t lParam) {
    if (target == nullptr)
        return 0;
    WindowMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(static_cast<QObject*>(target), &event);
    return event.result();
}

QtMessagePort& QtMessagePort::instance() {
    static QtMessagePort port;
    return port;
}

} // namespace kesto
