#pragma once
// The reference store service run inside the player: the run's data folder (made the current
// folder of the process, so that the module's album database lands there too), the service
// with its state in the folder's "service" on a free loopback port, and the user's log-in.

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
    HostService();
    ~HostService();

    // dataFolder: an existing folder. False with a reason.
    bool start(const std::filesystem::path& dataFolder, QString& why);
    std::string baseUrl() const;
    // The login reply for the player's account; nothing (with a reason) when no reply came.
    std::optional<std::string> login(QString& why) const;
    const std::filesystem::path& dataFolder() const { return data_; }

private:
    std::filesystem::path data_;
    std::unique_ptr<service::ServiceServer> server_;
};

} // namespace kesto
