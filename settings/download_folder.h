#pragma once
// The default download folder: "download" beside the module, or a per-user folder when that
// one cannot be created or written (a module installed in a system folder).

#include <filesystem>
#include <string>

namespace kesto {

class RegistryKey;

class DownloadFolder {
public:
    // The folder for this module, created.
    static std::filesystem::path defaultFolder();
    // moduleFolder/download when usable, else userFolder(); created.
    static std::filesystem::path choose(const std::filesystem::path& moduleFolder);
    // $XDG_DATA_HOME/kesto/download, else ~/.local/share/kesto/download.
    static std::filesystem::path userFolder();

    // The folder held by root value `name`; when it is empty or the folder no longer exists,
    // the default folder is stored in the value first.
    static std::string resolve(RegistryKey& key, const std::string& name);
    static std::string resolve(RegistryKey& key, const std::string& name,
                               const std::filesystem::path& moduleFolder);
};

} // namespace kesto
