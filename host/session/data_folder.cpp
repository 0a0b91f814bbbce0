#include "host/session/data_folder.h"

#include "host/session/private_files.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsFile = "registry.reg";
constexpr const char* kDownloadFolder = "download";

fs::path freshFolder() {
    std::string pattern = (fs::temp_directory_path() / "kesto-player-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    return made != nullptr ? fs::path(made) : fs::path();
}

// A new settings file of the run names its download folder, so that what a throwaway run
// downloads stays inside it; a file that is there already is the user's to keep.
void nameDownloadFolder(const fs::path& settings, const fs::path& folder) {
    if (std::string why; !PrivateFiles::folder(folder, why))
        return;
    std::string quoted;
    for (const char c : folder.string()) {
        if (c == '\\' || c == '"')
            quoted.push_back('\\');
        quoted.push_back(c);
    }
    const std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kesto]\r\n"
        "\"LastSaveFolder\"=\"" +
        quoted + "\"\r\n";
    const int fd = ::open(settings.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written)
        ::unlink(settings.c_str());
}

} // namespace

fs::path DataFolder::userFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && fs::path(data).is_absolute())
        return fs::path(data) / "kesto";
    // Never a shared folder such as /tmp, where another user could make it first.
    const fs::path home = PrivateFiles::home();
    return home.empty() ? fs::path() : home / ".local" / "share" / "kesto";
}

bool DataFolder::open(Kind kind, const fs::path& chosen, std::string& why) {
    kind_ = kind;
    switch (kind) {
    case Kind::User:
        path_ = userFolder();
        break;
    case Kind::Chosen:
        path_ = fs::absolute(chosen);
        break;
    case Kind::Fresh:
        path_ = freshFolder();
        break;
    }
    std::string reason;
    if (!PrivateFiles::folder(path_, reason)) {
        why = "no data folder" + (path_.empty() ? std::string() : " at " + path_.string() + ": " + reason);
        return false;
    }
    // A throwaway or separate run keeps its settings with its data, away from the user's.
    if (kind != Kind::User) {
        const fs::path settings = path_ / kSettingsFile;
        setenv("KESTO_REGISTRY_FILE", settings.c_str(), 0);
        if (std::strcmp(std::getenv("KESTO_REGISTRY_FILE"), settings.c_str()) == 0)
            nameDownloadFolder(settings, path_ / kDownloadFolder);
    }
    return true;
}

void DataFolder::close() {
    if (kind_ != Kind::Fresh || path_.empty())
        return;
    std::error_code error;
    // The process works in the folder; leave it before it goes.
    if (fs::current_path(error) == path_)
        fs::current_path(fs::temp_directory_path(), error);
    fs::remove_all(path_, error);
    path_.clear();
}

DataFolder::~DataFolder() {
    close();
}

} // namespace kesto
