#pragma once
// Accounts and log-in keys. A new log-in replaces the user's key; the replaced key then reports
// a double log-in, an unknown or outlived key an expired one. Passwords are kept as salted
// hashes only (service/password_hash.h).

#include "service/service_codes.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kesto::service {

class ServiceDatabase;

class AccountStore {
public:
    explicit AccountStore(ServiceDatabase& db) : db_(db) {}
    bool createSchema();

    enum class PasswordCheck { NoAccount, Matches, Differs };

    // False when the password cannot be hashed.
    bool createAccount(const std::string& user, const std::string& password, std::int64_t cash);
    // A row kept before hashing that matches is replaced by its hash.
    PasswordCheck checkPassword(const std::string& user, const std::string& password);
    bool storeKey(const std::string& user, const std::string& key, std::int64_t now);
    ServiceCode checkKey(const std::string& user, const std::string& key, std::int64_t now,
                         std::int64_t lifetime);
    std::int64_t cash(const std::string& user);
    // Takes `amount` from the balance; false when the balance is short.
    bool charge(const std::string& user, std::int64_t amount);

private:
    std::optional<std::string> keptPassword(const std::string& user);
    void keepPassword(const std::string& user, const std::string& hash);

    ServiceDatabase& db_;
};

} // namespace kesto::service
