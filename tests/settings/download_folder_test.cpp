#include "settings/download_folder.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(DownloadFolder, BesideTheModuleOrPerUser) {
    test::TempFolder temp;
    const auto module = temp.path() / "lib";
    std::filesystem::create_directories(module);
    EXPECT_EQ(DownloadFolder::choose(module), module / "download");
    EXPECT_TRUE(std::filesystem::is_directory(module / "download"));

    // A module "folder" that is a file cannot hold a download folder.
    const auto blocked = temp.path() / "file";
    test::writeBytes(blocked, "x");
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved != nullptr ? saved : "";
    ::setenv("XDG_DATA_HOME", (temp.path() / "data").c_str(), 1);
    EXPECT_EQ(DownloadFolder::choose(blocked), temp.path() / "data" / "kesto" / "download");
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "data" / "kesto" / "download"));
    saved != nullptr ? ::setenv("XDG_DATA_HOME", keep.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

TEST(DownloadFolder, EmptyOrVanishedValueGetsTheDefault) {
    test::TempFolder temp;
    RegistryKey key(std::make_shared<RegistryFile>(temp.path() / "registry.reg"));
    const auto module = temp.path() / "lib";
    const std::string expected = (module / "download").string();
    EXPECT_EQ(DownloadFolder::resolve(key, settings::kLastSaveFolder, module), expected);
    std::string stored;
    key.readRootString(stored, settings::kLastSaveFolder);
    EXPECT_EQ(stored, expected);

    const auto own = temp.path() / "mine";
    std::filesystem::create_directories(own);
    key.writeRootString(own.string(), settings::kLastSaveFolder);
    EXPECT_EQ(DownloadFolder::resolve(key, settings::kLastSaveFolder, module), own.string());
    std::filesystem::remove(own);
    EXPECT_EQ(DownloadFolder::resolve(key, settings::kLastSaveFolder, module), expected);
}

} // namespace
} // namespace kesto
