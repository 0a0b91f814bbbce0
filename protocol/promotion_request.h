#pragma once
// The promotion texts shown in the panel's promotion strip after a new log-in.

#include "protocol/protocol_context.h"

#include <array>
#include <string>
#include <vector>

namespace kesto {

using PromotionEntry = std::array<std::string, 8>;

class PromotionRequest {
public:
    static constexpr std::size_t kEntryFields = 8;

    // Sends the request; the entries of a successful reply, none otherwise.
    static std::vector<PromotionEntry> fetch(const ProtocolContext& context);
    // Reads N groups of eight fields from field 1; groups past the end of the reply are not
    // made, whatever N says.
    static std::vector<PromotionEntry> read(std::string_view reply);
};

} // namespace kesto
