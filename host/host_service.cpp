#include "host/host_service.h"

#include "service/login_client.h"
#include "service/service_server.h"

#include <cstdlib>

namespace kesto {

namespace {

std::filesystem::path freshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kesto-player-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    return made != nullptr ? std::filesystem::path(made) : std::filesystem::path();
}

} // namespace

HostService::HostService() = default;

HostService::~HostService() {
    if (server_)
        server_->stop();
}

bool HostService::start(const std::filesystem::path& dataFolder, QString& why) {
    data_ = dataFolder.empty() ? freshFolder() : dataFolder;
    std::error_code error;
    std::filesystem::create_directories(data_, error);
    if (data_.empty() || !std::filesystem::is_directory(data_, error)) {
        why = QStringLiteral("no data folder");
        return false;
    }
    std::filesystem::current_path(data_, error);
    // Settings of this run stay in its data folder unless the caller chose a file.
    setenv("KESTO_REGISTRY_FILE", (data_ / "registry.reg").c_str(), 0);
    service::ServiceConfig config;
    config.dataDir = (data_ / "service").string();
    server_ = std::make_unique<service::ServiceServer>(config);
    if (!server_->start()) {
        why = QStringLiteral("the reference service did not start in %1")
                  .arg(QString::fromStdString(config.dataDir));
        server_.reset();
        return false;
    }
    return true;
}

std::string HostService::baseUrl() const {
    return server_ ? server_->baseUrl() : std::string();
}

std::optional<std::string> HostService::login() const {
    if (!server_)
        return std::nullopt;
    return service::LoginClient::login(server_->baseUrl(), kUserId, kPassword);
}

} // namespace kesto
