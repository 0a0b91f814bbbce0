#pragma once
// Downloads of a test land in a folder of its own, never in the one beside the module that
// every test and run would share: LastSaveFolder in the test's settings file names it, and
// LastOpenFolder too (the file dialogs would otherwise start in, and make, the shared one).

#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <filesystem>

namespace kesto::test {

inline void ownDownloadFolder(const std::filesystem::path& data) {
    const auto folder = data / "download";
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    RegistryKey key;
    key.writeRootString(folder.string(), settings::kLastSaveFolder);
    key.writeRootString(folder.string(), settings::kLastOpenFolder);
}

} // namespace kesto::test
