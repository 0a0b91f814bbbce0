#pragma once
// The gift box (received and sent) and sending gifts.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;

class GiftCommands {
public:
    explicit GiftCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    std::string giftBox(const CommandCall& call) const;
    // Flag ("1" with a message), receiver, message, count, song ids.
    std::string gift(const CommandCall& call) const;

private:
    ServiceContext& context_;
};

} // namespace kesto::service
