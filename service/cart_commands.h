#pragma once
// The cart: its page (20 rows), adding and deleting items, and the music-video cart.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;
class WireReply;
struct CartItem;

class CartCommands {
public:
    explicit CartCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    std::string cartPage(const CommandCall& call) const;
    std::string addToCart(const CommandCall& call) const;
    std::string deleteFromCart(const CommandCall& call) const;
    std::string cartForMv(const CommandCall& call) const;

private:
    bool writeItem(WireReply& reply, const CartItem& item) const;

    ServiceContext& context_;
};

} // namespace kesto::service
