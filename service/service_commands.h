#pragma once
// Every protocol command of the service, installed in one router.

#include "service/cart_commands.h"
#include "service/command_router.h"
#include "service/gift_commands.h"
#include "service/history_commands.h"
#include "service/list_commands.h"
#include "service/my_album_commands.h"
#include "service/payment_commands.h"
#include "service/play_commands.h"

namespace kesto::service {

class ServiceContext;

class ServiceCommands {
public:
    explicit ServiceCommands(ServiceContext& context);
    ServiceCommands(const ServiceCommands&) = delete;
    ServiceCommands& operator=(const ServiceCommands&) = delete;

    const CommandRouter& router() const { return router_; }

private:
    CommandRouter router_;
    ListCommands lists_;
    CartCommands carts_;
    MyAlbumCommands albums_;
    GiftCommands gifts_;
    HistoryCommands history_;
    PaymentCommands payments_;
    PlayCommands play_;
};

} // namespace kesto::service
