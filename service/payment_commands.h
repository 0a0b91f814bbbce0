#pragma once
// The purchase dialogs' exchanges: account information, cash, SMS code, outside points,
// prices and buying.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;
struct PurchaseRow;

class PaymentCommands {
public:
    static constexpr std::int64_t kDownloadDays = 30;

    explicit PaymentCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    std::string authInfo(const CommandCall& call) const;
    std::string cash(const CommandCall& call) const;
    std::string sms(const CommandCall& call) const;
    std::string externalPoint(const CommandCall& call) const;
    // Flag, count, item ids: field 1 the total, then id, "1" when it can be bought, price.
    std::string price(const CommandCall& call) const;
    // Count, item ids (songs, albums or music videos), then the payment word ("stream", "bell"
    // or anything for a download).
    std::string buy(const CommandCall& call) const;

private:
    // The purchase row for an item id, with its price; nothing for an unknown id.
    std::optional<PurchaseRow> priced(const std::string& id, const std::string& payment) const;

    ServiceContext& context_;
};

} // namespace kesto::service
