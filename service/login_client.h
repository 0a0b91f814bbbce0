#pragma once
// The log-in exchange from the client side: posts the user id and password to the service's
// "/login.jsp" and returns the login reply (34 VT-separated fields, or a negative code and a
// message).

#include <optional>
#include <string>

namespace kesto::service {

class LoginClient {
public:
    // Nothing when no HTTP reply came. `baseUrl` is "http://127.0.0.1:<port>".
    static std::optional<std::string> login(const std::string& baseUrl, const std::string& userId,
                                            const std::string& password);
};

} // namespace kesto::service
