#include "library/file_copier.h"

#include "platform/failure_log.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace kesto {

namespace {

constexpr mode_t kFileMode = 0644;
constexpr const char* kTemporaryName = ".kesto-copy-XXXXXX";

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

bool copyAll(int in, int out) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno != EINTR)
                return false;
            done += put > 0 ? put : 0;
        }
    }
}

} // namespace

FileCopier::Result FileCopier::copyNew(const std::filesystem::path& from, const std::filesystem::path& to) {
    // Never blocks on a FIFO, and copies only regular files.
    const Fd in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (in.get() < 0 || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return Result::Failed;
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0)
        return Result::Exists;
    // A short hidden name beside the target (same file system, so the rename is atomic), short
    // so that a target name of the longest length still has one.
    std::string temporary = (to.parent_path() / kTemporaryName).string();
    const Fd out(::mkostemp(temporary.data(), O_CLOEXEC));
    if (out.get() < 0)
        return Result::Failed;
    const bool written =
        ::fchmod(out.get(), kFileMode) == 0 && copyAll(in.get(), out.get()) && ::fsync(out.get()) == 0;
    const Result result = written ? publish(temporary, to) : Result::Failed;
    if (result != Result::Copied) {
        std::error_code error;
        std::filesystem::remove(temporary, error); // no half copies left behind
    }
    return result;
}

FileCopier::Result FileCopier::publish(const std::filesystem::path& temporary,
                                       const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return Result::Copied;
    if (errno == EEXIST)
        return Result::Exists;
    // File systems without the no-replace rename: a hard link never replaces either.
    if (errno != EINVAL && errno != ENOSYS) {
        FailureLog::write(LogCategory::Library, "copy not named " + to.string());
        return Result::Failed;
    }
    if (::link(temporary.c_str(), to.c_str()) != 0)
        return errno == EEXIST ? Result::Exists : Result::Failed;
    ::unlink(temporary.c_str());
    return Result::Copied;
}

} // namespace kesto
