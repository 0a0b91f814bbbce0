#pragma once
// What the user bought: purchase history by kind, ring-tone cuts and music videos.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;

class HistoryCommands {
public:
    explicit HistoryCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    // Kind "1" streaming, "2" downloads, "3" albums; then the page.
    std::string buyingHistory(const CommandCall& call) const;
    std::string cuttingBell(const CommandCall& call) const;
    std::string mvBuyHistory(const CommandCall& call) const;

private:
    ServiceContext& context_;
};

} // namespace kesto::service
