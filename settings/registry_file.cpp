#include "settings/registry_file.h"

#include "platform/failure_log.h"
#include "settings/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;

std::string envText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

fs::path homeFolder() {
    std::string home = envText("HOME");
    if (home.empty()) {
        if (const passwd* pw = getpwuid(getuid()))
            home = pw->pw_dir;
    }
    return home;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

fs::path siblingWithSuffix(const fs::path& file, const std::string& suffix) {
    fs::path p = file;
    p += suffix;
    return p;
}

constexpr const char* kTempSuffix = ".tmp-";
constexpr const char* kTempPattern = "XXXXXX";

// Temporary files left by a writer that died between creating and renaming them. Called under
// the file lock, when no other writer can own one.
void removeStaleTemporaries(const fs::path& file) {
    const std::string prefix = file.filename().string() + kTempSuffix;
    const std::size_t length = prefix.size() + std::char_traits<char>::length(kTempPattern);
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == length && name.compare(0, prefix.size(), prefix) == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

} // namespace

// Holds an exclusive flock on a lock file for its lifetime.
class RegistryFile::FileLock {
public:
    explicit FileLock(const fs::path& path) : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        int rc = -1;
        while (fd_ >= 0 && (rc = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (fd_ >= 0 && rc != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock() {
        if (fd_ >= 0)
            ::close(fd_); // releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

RegistryFile::RegistryFile(fs::path path) : path_(std::move(path)) {}

RegistryFile::~RegistryFile() = default;

fs::path RegistryFile::defaultPath() {
    fs::path config = envText("XDG_CONFIG_HOME");
    if (config.empty() || !config.is_absolute())
        config = homeFolder() / ".config";
    const fs::path userFile = config / "kesto" / "registry.reg";
    const fs::path explicitFile = envText("KESTO_REGISTRY_FILE");
    if (explicitFile.empty())
        return userFile;
    // A folder of another user's, or one others may write, never holds the settings.
    if (PrivateFolder::make(explicitFile.parent_path()))
        return explicitFile;
    FailureLog::write(LogCategory::Settings,
                      "settings folder " + explicitFile.parent_path().string() +
                          " is another user's or others may write it: " + userFile.string() + " used");
    return userFile;
}

std::shared_ptr<RegistryFile> RegistryFile::processDefault() {
    static const std::shared_ptr<RegistryFile> file = std::make_shared<RegistryFile>(defaultPath());
    return file;
}

RegistryFile::Stamp RegistryFile::currentStamp() const {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0)
        return {};
    const auto ns = [](const timespec& t) {
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
    };
    return {true,
            static_cast<unsigned long long>(st.st_dev),
            static_cast<unsigned long long>(st.st_ino),
            static_cast<unsigned long long>(st.st_size),
            ns(st.st_mtim),
            ns(st.st_ctim)};
}

void RegistryFile::refresh() {
    if (batchDepth_ > 0)
        return; // the batch holds the file lock: memory is the latest content
    const Stamp now = currentStamp();
    if (loaded_ && now == stamp_)
        return;
    stamp_ = now;
    loaded_ = true;
    readable_ = true;
    tooLarge_ = now.size > kMaxFileBytes;
    if (!now.exists || tooLarge_) {
        // A settings file is a few kilobytes: one this large is not ours to parse, and is
        // kept aside like a damaged one before it is first replaced.
        if (tooLarge_)
            logFailure("is over 16 MiB: read as empty, kept aside before it is replaced");
        document_ = RegistryDocument();
        return;
    }
    std::ifstream in(path_, std::ios::binary);
    std::error_code ec;
    if (!in || !fs::is_regular_file(path_, ec)) {
        // A folder or an unreadable file in its place: defaults are used, and it is never replaced.
        logFailure("cannot be read: defaults are used and the file is left as it is");
        readable_ = false;
        document_ = RegistryDocument();
        return;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    document_ = RegistryDocument::parse(bytes);
    if (document_.damaged())
        logFailure("does not parse: what parsed is used, the file is kept aside before it is replaced");
}

void RegistryFile::logFailure(std::string_view what) const {
    FailureLog::write(LogCategory::Settings, "settings file " + path_.string() + " " + std::string(what));
}

void RegistryFile::read(const std::function<void(const RegistryDocument&)>& fn) {
    std::lock_guard guard(mutex_);
    refresh();
    fn(document_);
}

bool RegistryFile::modify(const std::function<bool(RegistryDocument&)>& fn) {
    std::lock_guard guard(mutex_);
    if (batchDepth_ > 0) {
        if (!batchLock_ || !readable_ || !fn(document_))
            return false;
        batchChanged_ = true;
        return true;
    }
    if (!PrivateFolder::make(path_.parent_path())) {
        logFailure("not written: its folder is another user's or others may write it");
        return false;
    }
    const FileLock lock(siblingWithSuffix(path_, ".lock"));
    if (!lock.held()) {
        logFailure("not written: its lock file cannot be made");
        return false;
    }
    refresh();
    if (!readable_)
        return false; // never replace a file that could not be read
    return fn(document_) && write();
}

bool RegistryFile::write() {
    if ((document_.damaged() || tooLarge_) && stamp_.exists && !keepDamagedCopy()) {
        logFailure("not written: no copy of the damaged file could be kept");
        return false;
    }
    tooLarge_ = false;
    const std::string bytes = document_.serialize();
    if (!replaceWith(bytes)) {
        logFailure("not written: " + std::string(std::strerror(errno)));
        loaded_ = false; // memory now differs from the file: read it again next time
        return false;
    }
    if (document_.damaged())
        document_ = RegistryDocument::parse(bytes);
    stamp_ = currentStamp();
    return true;
}

RegistryFile::Batch::Batch(RegistryFile& file) : file_(file) {
    file_.mutex_.lock();
    if (file_.batchDepth_ > 0) {
        ++file_.batchDepth_; // an inner batch joins the outer one
        return;
    }
    // Without a private folder the batch holds no lock, and nothing it changes is written.
    auto lock = PrivateFolder::make(file_.path_.parent_path())
                    ? std::make_unique<FileLock>(siblingWithSuffix(file_.path_, ".lock"))
                    : nullptr;
    file_.refresh(); // under the file lock: the latest content, kept in memory until the end
    file_.batchDepth_ = 1;
    file_.batchChanged_ = false;
    if (lock && lock->held())
        file_.batchLock_ = std::move(lock);
}

RegistryFile::Batch::~Batch() {
    if (--file_.batchDepth_ == 0) {
        if (file_.batchChanged_ && file_.batchLock_)
            file_.write();
        file_.batchChanged_ = false;
        file_.batchLock_.reset();
    }
    file_.mutex_.unlock();
}

bool RegistryFile::replaceWith(const std::string& bytes) {
    removeStaleTemporaries(path_);
    std::string temp = siblingWithSuffix(path_, std::string(kTempSuffix) + kTempPattern).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path_.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(path_.parent_path());
    return true;
}

bool RegistryFile::keepDamagedCopy() const {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    fs::path copy = siblingWithSuffix(path_, std::string(".damaged-") + stamp);
    std::error_code ec;
    for (int n = 1; fs::exists(copy, ec); ++n)
        copy = siblingWithSuffix(path_, std::string(".damaged-") + stamp + "-" + std::to_string(n));
    return fs::copy_file(path_, copy, ec);
}

} // namespace kesto
