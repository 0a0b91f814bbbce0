#include "host/store/host_service.h"

#include "host/store/demo_account.h"
#include "service/login_client.h"
#include "service/service_server.h"

namespace kesto {

HostService::HostService() = default;

HostService::~HostService() {
    if (server_)
        server_->stop();
}

bool HostService::start(const std::filesystem::path& dataFolder, QString& why) {
    data_ = dataFolder;
    std::error_code error;
    // The module keeps its album database under the current folder.
    std::filesystem::current_path(data_, error);
    if (data_.empty() || error) {
        why = QStringLiteral("no data folder");
        return false;
    }
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

std::optional<std::string> HostService::login(QString& why) const {
    if (!server_)
        return std::nullopt;
    std::string passwordWhy;
    const auto password = DemoAccount::password(data_, passwordWhy);
    if (!password) {
        why = QString::fromStdString(passwordWhy);
        return std::nullopt;
    }
    // The service makes the account with this password at its first log-in.
    return service::LoginClient::login(server_->baseUrl(), DemoAccount::kUserId, *password);
}

} // namespace kesto
