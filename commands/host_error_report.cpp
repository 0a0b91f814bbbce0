#include "commands/host_error_report.h"

#include "platform/failure_log.h"
#include "platform/host_block.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace kesto {

void HostErrorReport::noReply(const ProtocolContext& context) {
    serverCode(context, kNoReply, {});
}

void HostErrorReport::serverCode(const ProtocolContext& context, int code, std::string_view message) {
    if (context.port == nullptr)
        return;
    char* copy = message.empty() ? nullptr : HostBlock::copyForHost(message);
    if (!context.port->post(context.host, KESTO_MSG_SERVER_ERROR, code,
                            reinterpret_cast<std::intptr_t>(copy))) {
        FailureLog::write(LogCategory::Commands,
                          "server error " + std::to_string(code) + " not reported: the host window is gone");
        std::free(copy);
    }
}

} // namespace kesto
