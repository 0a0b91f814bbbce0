#pragma once
// Posting and sending numbered window messages, as the Qt-free code sees it.

#include <cstdint>

namespace kesto {

// A window as the Qt-free code knows it: an opaque handle (a QWidget* underneath).
using WindowHandle = void*;

class MessagePort {
public:
    virtual ~MessagePort() = default;

    // Queues the message for the target's thread; false when the target is null.
    virtual bool post(WindowHandle target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) = 0;

    // Delivers the message at once on the calling thread and returns the receiver's answer
    // (0 when the target is null).
    virtual std::intptr_t send(WindowHandle target, unsigned message, std::intptr_t wParam,
                               std::intptr_t lParam) = 0;
};

} // namespace kesto
