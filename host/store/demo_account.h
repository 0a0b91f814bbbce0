#pragma once
// The password of the player's account on its in-process store: made from the system's
// random source at the first start and kept in the data folder, readable by the user only.

#include <filesystem>
#include <optional>
#include <string>

namespace kesto {

class DemoAccount {
public:
    static constexpr const char* kUserId = "kesto";
    static constexpr const char* kPasswordFile = "account-password";
    static constexpr std::size_t kPasswordLength = 24;

    // The kept password, made and kept first when there is none; nothing with a reason when
    // it can be neither read nor made.
    static std::optional<std::string> password(const std::filesystem::path& dataFolder, std::string& why);
};

} // namespace kesto
