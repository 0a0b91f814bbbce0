#include "protocol/request_sender.h"

#include "platform/failure_log.h"
#include "platform/host_block.h"

namespace kesto {

std::optional<std::string> RequestSender::exchange(KestoNetRequestFn request, const std::string& url,
                                                   bool post, const std::string& body) {
    if (url.empty() || request == nullptr) {
        FailureLog::write(LogCategory::Protocol, url.empty()
                                                     ? "request without address not sent"
                                                     : "request not sent: the host has no request function");
        return std::nullopt;
    }
    void* data = nullptr;
    std::uint32_t length = 0;
    const int ok = request(url.c_str(), &data, &length, post ? 1 : 0, post ? body.c_str() : nullptr, 1, 0);
    if (ok == 0) {
        FailureLog::write(LogCategory::Protocol, "no reply to " + url);
        return std::nullopt;
    }
    if (length > kMaxReplyBytes) {
        HostBlock::takeReply(data, 0); // frees the block
        FailureLog::write(LogCategory::Protocol, "reply to " + url + " refused: " + std::to_string(length) +
                                                     " bytes is over the limit");
        return std::nullopt;
    }
    return HostBlock::takeReply(data, length);
}

std::string RequestSender::send(KestoNetRequestFn request, const std::string& url, bool post,
                                const std::string& body) {
    return exchange(request, url, post, body).value_or(std::string());
}

} // namespace kesto
