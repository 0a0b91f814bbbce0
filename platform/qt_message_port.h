#pragma once
// MessagePort over Qt: a posted message is a WindowMessageEvent posted to the QWidget, a sent
// one is delivered at once with sendEvent.

#include "platform/message_port.h"

namespace kesto {

class QtMessagePort final : public MessagePort {
public:
    bool post(WindowHandle target, unsigned message, std::intptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t send(WindowHandle target, unsigned message, std::intptr_t wParam,
                       std::intptr_t lParam) override;

    // The process-wide instance.
    static QtMessagePort& instance();
};

} // namespace kesto
