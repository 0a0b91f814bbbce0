#include "settings/private_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace kesto {

namespace fs = std::filesystem;

fs::path PrivateFolder::home() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && fs::path(home).is_absolute())
        return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && fs::path(found->pw_dir).is_absolute())
        return found->pw_dir;
    return {};
}

fs::path PrivateFolder::userData() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && fs::path(data).is_absolute())
        return fs::path(data) / "kesto";
    const fs::path folder = home();
    return folder.empty() ? fs::path() : folder / ".local" / "share" / "kesto";
}

bool PrivateFolder::make(const fs::path& folder) {
    if (folder.empty())
        return false;
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), S_IRWXU) != 0 && errno != EEXIST)
            return false;
    }
    // One of ours made looser before (or by another program) is tightened.
    struct stat status {};
    if (isOwn(folder) && ::stat(folder.c_str(), &status) == 0 && (status.st_mode & 07777) != S_IRWXU)
        ::chmod(folder.c_str(), S_IRWXU);
    return isOwn(folder);
}

bool PrivateFolder::isOwn(const fs::path& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace kesto
