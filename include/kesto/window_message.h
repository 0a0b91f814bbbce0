/*
 * Numbered window messages between the host and the Kesto_List module, for Qt hosts.
 *
 * A message keeps its Windows number (1024 + n) and its two parameters. A posted message is
 * a WindowMessageEvent posted to the target QWidget with QCoreApplication::postEvent (the
 * event queue owns it); a sent message is delivered at once on the calling thread with
 * QCoreApplication::sendEvent, and the receiver stores its answer in result().
 *
 * The class is header-only so that host and module agree on it without sharing a library.
 * Receivers test event->type() == kesto::WindowMessageEvent::eventType() and then use
 * static_cast: dynamic_cast is not reliable across the module boundary.
 */
#ifndef KESTO_WINDOW_MESSAGE_H
#define KESTO_WINDOW_MESSAGE_H

#include <QEvent>
#include <cstdint>

namespace kesto {

class WindowMessageEvent : public QEvent {
public:
    /* A fixed event type, so that host and module need no run-time registration. */
    static constexpr QEvent::Type eventType() { return static_cast<QEvent::Type>(QEvent::User + 1024); }

    WindowMessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam)
        : QEvent(eventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

    unsigned message() const { return message_; }
    std::intptr_t wParam() const { return wParam_; }
    std::intptr_t lParam() const { return lParam_; }

    /* The receiver's answer to a sent message (0 unless set). */
    std::intptr_t result() const { return result_; }
    void setResult(std::intptr_t value) { result_ = value; }

private:
    unsigned message_;
    std::intptr_t wParam_;
    std::intptr_t lParam_;
    std::intptr_t result_ = 0;
};

} // namespace kesto

#endif
