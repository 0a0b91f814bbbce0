#include "settings/download_folder.h"

#include "platform/module_path.h"
#include "settings/registry_key.h"

#include <cstdlib>
#include <unistd.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;

bool usable(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

fs::path DownloadFolder::userFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && fs::path(data).is_absolute())
        return fs::path(data) / "kesto" / "download";
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "/tmp") / ".local" / "share" / "kesto" / "download";
}

fs::path DownloadFolder::choose(const fs::path& moduleFolder) {
    const fs::path beside = moduleFolder / "download";
    if (usable(beside))
        return beside;
    const fs::path user = userFolder();
    usable(user);
    return user;
}

fs::path DownloadFolder::defaultFolder() {
    return choose(ModulePath::folder());
}

std::string DownloadFolder::resolve(RegistryKey& key, const std::string& name) {
    return resolve(key, name, ModulePath::folder());
}

std::string DownloadFolder::resolve(RegistryKey& key, const std::string& name, const fs::path& moduleFolder) {
    std::string folder;
    key.readRootString(folder, name);
    std::error_code ec;
    if (!folder.empty() && fs::is_directory(folder, ec))
        return folder;
    folder = choose(moduleFolder).string();
    key.writeRootString(folder, name);
    return folder;
}

} // namespace kesto
