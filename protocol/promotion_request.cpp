#include "protocol/promotion_request.h"

#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/reply_fields.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"

#include <algorithm>

namespace kesto {

std::vector<PromotionEntry> PromotionRequest::fetch(const ProtocolContext& context) {
    return read(RequestSender::send(context.request, ProtocolUrl::command(*context.login, proto::kPromotion),
                                    true, RequestBody(*context.login).text()));
}

std::vector<PromotionEntry> PromotionRequest::read(std::string_view reply) {
    std::vector<PromotionEntry> entries;
    if (reply.empty())
        return entries;
    const ReplyFields fields(reply);
    const std::int64_t count = fields.code();
    const std::int64_t present = static_cast<std::int64_t>((fields.size() - 1) / kEntryFields);
    std::string scratch;
    for (std::int64_t group = 0; group < std::min(count, present); ++group) {
        PromotionEntry& entry = entries.emplace_back();
        for (std::size_t i = 0; i < kEntryFields; ++i)
            entry[i] = fields.text(1 + static_cast<std::size_t>(group) * kEntryFields + i, scratch);
    }
    return entries;
}

} // namespace kesto
