#include "settings/download_folder.h"

#include "platform/failure_log.h"
#include "platform/module_path.h"
#include "settings/private_folder.h"
#include "settings/registry_key.h"

#include <cstdlib>
#include <unistd.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;

bool usable(const fs::path& folder) {
    return PrivateFolder::make(folder) && ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

fs::path DownloadFolder::userFolder() {
    // Never a shared folder such as /tmp, where another user could make it first.
    const fs::path data = PrivateFolder::userData();
    return data.empty() ? fs::path() : data / "download";
}

fs::path DownloadFolder::choose(const fs::path& moduleFolder) {
    const fs::path beside = moduleFolder / "download";
    if (usable(beside))
        return beside;
    // A folder of another user's, or one others may write, is never used.
    const fs::path user = userFolder();
    return usable(user) ? user : fs::path();
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
    // The settings file may name any folder: only one of the user's own is kept.
    if (!folder.empty() && fs::is_directory(folder, ec)) {
        if (PrivateFolder::isOwn(folder))
            return folder;
        FailureLog::write(LogCategory::Settings, "download folder " + folder +
                                                     " is another user's or others may write it: not used");
    }
    folder = choose(moduleFolder).string();
    if (!folder.empty())
        key.writeRootString(folder, name);
    return folder;
}

} // namespace kesto
