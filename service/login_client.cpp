#include "service/login_client.h"

#include <httplib.h>

namespace kesto::service {

std::optional<std::string> LoginClient::login(const std::string& baseUrl, const std::string& userId,
                                              const std::string& password) {
    httplib::Client client(baseUrl);
    // Sent as VT fields: ids and passwords pass byte for byte, with no form encoding.
    const std::string body = userId + '\x0B' + password + '\x0B';
    const auto result = client.Post("/login.jsp", body, "text/plain");
    if (!result || result->status != 200)
        return std::nullopt;
    return result->body;
}

} // namespace kesto::service
