#include "host/session/private_files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kesto {

namespace fs = std::filesystem;

fs::path PrivateFiles::home() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && fs::path(home).is_absolute())
        return home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && fs::path(found->pw_dir).is_absolute())
        return found->pw_dir;
    return {};
}

bool PrivateFiles::folder(const fs::path& path, std::string& why) {
    if (path.empty()) {
        why = "no folder";
        return false;
    }
    fs::path made;
    for (const fs::path& part : path) {
        made /= part;
        if (::mkdir(made.c_str(), kFolderMode) != 0 && errno != EEXIST) {
            why = "cannot make " + made.string() + ": " + std::strerror(errno);
            return false;
        }
    }
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) {
        why = path.string() + " is not a folder of this user's";
        return false;
    }
    if ((status.st_mode & 07777) != kFolderMode && ::chmod(path.c_str(), kFolderMode) != 0) {
        why = "cannot make " + path.string() + " private: " + std::strerror(errno);
        return false;
    }
    return true;
}

bool PrivateFiles::file(const fs::path& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        why = "cannot open " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    struct stat status {};
    bool ours = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
    if (!ours)
        why = path.string() + " is not a file of this user's";
    else if ((status.st_mode & 07777) != kFileMode && ::fchmod(fd, kFileMode) != 0) {
        why = "cannot make " + path.string() + " private: " + std::strerror(errno);
        ours = false;
    }
    ::close(fd);
    return ours;
}

} // namespace kesto
