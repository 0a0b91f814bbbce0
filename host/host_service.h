#pragma once
// The reference store service run inside the player: a fresh data folder (the current folder
// of the process, so that the module's play-list database lands there too), the service on a
// free loopback port, and the user's log-in against it.

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace kesto {

namespace service {
class ServiceServer;
}

class HostService {
public:
    static constexpr const char* kUserId = "kesto";
    static constexpr const char* kPassword = "kesto";

    HostService();
    ~HostService();

    // dataFolder empty: a fresh folder under the temporary folder. False with a reason.
    bool start(const std::filesystem::path& dataFolder, QString& why);
    std::string baseUrl() const;
    // The login reply for the user; nothing when no reply came.
    std::optional<std::string> login() const;
    const std::filesystem::path& dataFolder() const { return data_; }

private:
    std::filesystem::path data_;
    std::unique_ptr<service::ServiceServer> server_;
};

} // namespace kesto
