#pragma once
// Runs a check in a child process that file permissions apply to: as root (where they do
// not) the child becomes the unprivileged user "nobody" first. The check's result is the
// child's exit status, so it must not use gtest's assertions.

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace kesto::test {

inline constexpr uid_t kNobody = 65534;

// Lets the other user into folder (and every folder above it that is ours).
inline void openToOthers(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add, error);
}

// The check's answer, or false when the child could not run it.
inline bool asOtherUser(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace kesto::test
