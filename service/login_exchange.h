#pragma once
// The log-in: checks (or, for a new user, creates) the account, issues a new u_key that retires
// the previous one, and answers with the login reply of 34 VT-separated fields whose protocol
// and web bases point at this service.

#include <cstdint>
#include <string>

namespace kesto::service {

class ServiceContext;

class LoginExchange {
public:
    static constexpr int kReplyFields = 34;
    static constexpr std::int64_t kStartingCash = 50000;
    static constexpr const char* kPhoneNumber = "01012345678";

    explicit LoginExchange(ServiceContext& context) : context_(context) {}

    // A negative code and a message when the id is empty or the password does not match.
    std::string login(const std::string& userId, const std::string& password, const std::string& baseUrl);

private:
    std::string newKey();
    // A new user starts with a my album, some purchases, a ring-tone cut, a music video and a gift.
    void seedNewUser(const std::string& userId);
    std::string reply(const std::string& userId, const std::string& key, const std::string& password,
                      const std::string& baseUrl) const;

    ServiceContext& context_;
};

} // namespace kesto::service
