// Folders of the user's own: made 0700, a home without HOME, and a download folder that another
// user owns or others may write is passed over for the user's own one, or for none. The
// download folder lies beside the module or in the user's data folder.
#include "settings/download_folder.h"
#include "settings/private_folder.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "support/other_user.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

namespace kesto {
namespace {

namespace fs = std::filesystem;

class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name))
            value_ = value;
    }
    ~SavedVariable() { value_ ? ::setenv(name_, value_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> value_;
};

TEST(PrivateFolder, MadeForTheUserAloneAndRefusedOtherwise) {
    test::TempFolder temp;
    const fs::path made = temp.path() / "a" / "b";
    ASSERT_TRUE(PrivateFolder::make(made));
    for (const fs::path& folder : {temp.path() / "a", made})
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::mask, fs::perms::owner_all) << folder;

    const fs::path others = temp.path() / "others";
    ASSERT_TRUE(PrivateFolder::make(others));
    ASSERT_EQ(::chown(others.c_str(), test::kNobody, test::kNobody), 0) << "the test runs as root";
    const fs::path shared = temp.path() / "shared";
    ASSERT_TRUE(PrivateFolder::make(shared));
    fs::permissions(shared, fs::perms::group_write, fs::perm_options::add);
    for (const fs::path& folder : {others, shared}) {
        EXPECT_FALSE(PrivateFolder::make(folder)) << folder;
        EXPECT_FALSE(PrivateFolder::isOwn(folder)) << folder;
    }
}

TEST(PrivateFolder, DownloadFolderOfAnotherUserIsPassedOver) {
    test::TempFolder temp;
    SavedVariable data("XDG_DATA_HOME");
    ::setenv("XDG_DATA_HOME", (temp.path() / "data").c_str(), 1);
    // Another user made the folder beside the module first: the user's own is taken.
    const fs::path module = temp.path() / "lib";
    ASSERT_TRUE(PrivateFolder::make(module / "download"));
    ASSERT_EQ(::chown((module / "download").c_str(), test::kNobody, test::kNobody), 0);
    const fs::path own = temp.path() / "data" / "kesto" / "download";
    EXPECT_EQ(DownloadFolder::choose(module), own);
    // And the user's own, once another user holds it, is not used either.
    ASSERT_EQ(::chown(own.c_str(), test::kNobody, test::kNobody), 0);
    EXPECT_EQ(DownloadFolder::choose(module), fs::path());
}

TEST(PrivateFolder, HomeWithoutHomeVariableComesFromThePasswordDatabase) {
    SavedVariable home("HOME");
    ::unsetenv("HOME");
    const passwd* entry = ::getpwuid(::geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(PrivateFolder::home(), fs::path(entry->pw_dir));
    ::setenv("HOME", "relative/path", 1);
    EXPECT_EQ(PrivateFolder::home(), fs::path(entry->pw_dir));
}

TEST(DownloadFolder, BesideTheModuleOrPerUser) {
    test::TempFolder temp;
    const auto module = temp.path() / "lib";
    std::filesystem::create_directories(module);
    EXPECT_EQ(DownloadFolder::choose(module), module / "download");
    EXPECT_TRUE(std::filesystem::is_directory(module / "download"));

    // A module "folder" that is a file cannot hold a download folder.
    const auto blocked = temp.path() / "file";
    test::writeBytes(blocked, "x");
    SavedVariable data("XDG_DATA_HOME");
    ::setenv("XDG_DATA_HOME", (temp.path() / "data").c_str(), 1);
    EXPECT_EQ(DownloadFolder::choose(blocked), temp.path() / "data" / "kesto" / "download");
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "data" / "kesto" / "download"));
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
