#include "service/command_router.h"

#include "service/service_context.h"
#include "service/wire_reply.h"

namespace kesto::service {

void CommandRouter::add(std::string command, std::size_t minimum, Handler handler) {
    routes_[std::move(command)] = Route{minimum, std::move(handler)};
}

std::string CommandRouter::handle(std::string_view command, std::string_view body,
                                  const std::string& baseUrl) const {
    if (body.size() > context_.config().maxBodyBytes)
        return WireReply::error(ServiceCode::BodyTooLarge);
    const auto route = routes_.find(command);
    if (route == routes_.end())
        return WireReply::error(ServiceCode::UnknownCommand);
    const WireRequest request(body);
    if (const auto problem = request.check(route->second.minimum))
        return WireReply::error(*problem);
    const ServiceCode key = context_.accounts().checkKey(request.userId(), request.uKey(), context_.now(),
                                                         context_.config().keyLifetimeSeconds);
    if (key != ServiceCode::Ok)
        return WireReply::error(key);
    return route->second.handler(CommandCall{request, baseUrl});
}

} // namespace kesto::service
