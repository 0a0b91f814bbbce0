#include "platform/qt_message_port.h"

#include "include/kesto/window_message.h"
#include "platform/failure_log.h"

#include <QCoreApplication>
#include <QObject>

#include <string>

namespace kesto {

bool QtMessagePort::post(WindowHandle target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    if (target == nullptr) {
        FailureLog::write(LogCategory::Platform,
                          "message " + std::to_string(message) + " not posted: no window");
        return false;
    }
    // postEvent is thread-safe and takes ownership of the event.
    QCoreApplication::postEvent(static_cast<QObject*>(target),
                                new WindowMessageEvent(message, wParam, lParam));
    return true;
}

std::intptr_t QtMessagePort::send(WindowHandle target, unsigned message, std::intptr_t wParam,
                                  std::intptr_t lParam) {
    if (target == nullptr) {
        FailureLog::write(LogCategory::Platform,
                          "message " + std::to_string(message) + " not sent: no window");
        return 0;
    }
    WindowMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(static_cast<QObject*>(target), &event);
    return event.result();
}

QtMessagePort& QtMessagePort::instance() {
    static QtMessagePort port;
    return port;
}

} // namespace kesto
