#pragma once
// Turns a protocol request (command word and body) into the reply text: checks the body's size,
// encoding, field count and log-in key before the command's handler runs.

#include "service/wire_request.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace kesto::service {

class ServiceContext;

struct CommandCall {
    const WireRequest& request;
    std::string baseUrl; // scheme, host and port of this service, without trailing slash
};

class CommandRouter {
public:
    using Handler = std::function<std::string(const CommandCall&)>;

    explicit CommandRouter(ServiceContext& context) : context_(context) {}

    // `minimum` counts the user id and the u_key.
    void add(std::string command, std::size_t minimum, Handler handler);
    std::string handle(std::string_view command, std::string_view body, const std::string& baseUrl) const;

private:
    struct Route {
        std::size_t minimum;
        Handler handler;
    };
    ServiceContext& context_;
    std::map<std::string, Route, std::less<>> routes_;
};

} // namespace kesto::service
