#pragma once
// Downloads of a test land in a folder of its own, never in the one beside the module that
// every test and run would share: LastSaveFolder in the test's settings file names it.

#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <filesystem>

namespace kesto::test {

inline void ownDownloadFolder(const std::filesystem::path& data) {
    const auto folder = data / "download";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    RegistryKey().writeRootString(folder.string(), settings::kLastSaveFolder);
}

} // namespace kesto::test
