#include "service/service_commands.h"

namespace kesto::service {

ServiceCommands::ServiceCommands(ServiceContext& context)
    : router_(context), lists_(context), carts_(context), albums_(context), gifts_(context),
      history_(context), payments_(context), play_(context) {
    lists_.install(router_);
    carts_.install(router_);
    albums_.install(router_);
    gifts_.install(router_);
    history_.install(router_);
    payments_.install(router_);
    play_.install(router_);
}

} // namespace kesto::service
