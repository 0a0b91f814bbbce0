#pragma once
// The per-user settings file, shared by the host and the module (separate users of one file,
// possibly separate processes). Every write is read-modify-write under an advisory lock on
// "<file>.lock" beside it, and replaces the file atomically (temporary file in the same folder,
// flushed, renamed). A read re-reads the file when it changed on disk, so it sees what another
// process wrote. A file that could not be parsed is copied to "<file>.damaged-<time>" before
// it is first overwritten. Temporary files of a writer that died are removed at the next write.

#include "settings/registry_document.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

namespace kesto {

class RegistryFile {
public:
    // Larger files are not read: they count as damaged (defaults are used; kept aside on write).
    static constexpr unsigned long long kMaxFileBytes = 16ULL << 20;

    explicit RegistryFile(std::filesystem::path path);
    ~RegistryFile();

    // Groups every modify made while it lives (on this thread; others wait) into one locked
    // read-modify-write: the file is written once, when the outermost batch ends.
    class Batch {
    public:
        explicit Batch(RegistryFile& file);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        RegistryFile& file_;
    };

    // $KESTO_REGISTRY_FILE, else $XDG_CONFIG_HOME/kesto/registry.reg, else
    // ~/.config/kesto/registry.reg.
    static std::filesystem::path defaultPath();
    // The file every default-constructed RegistryKey uses.
    static std::shared_ptr<RegistryFile> processDefault();

    const std::filesystem::path& path() const { return path_; }

    // Runs fn on the current content.
    void read(const std::function<void(const RegistryDocument&)>& fn);
    // Runs fn under the file lock on the current content; when fn returns true the result is
    // written. False when fn made no change or the file could not be written.
    bool modify(const std::function<bool(RegistryDocument&)>& fn);

private:
    struct Stamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long modified = 0, changed = 0; // nanoseconds
        bool operator==(const Stamp&) const = default;
    };

    class FileLock;

    Stamp currentStamp() const;
    void refresh();
    bool write();
    bool replaceWith(const std::string& bytes);
    bool keepDamagedCopy() const;
    // One line in kesto.settings naming the file.
    void logFailure(std::string_view what) const;

    std::recursive_mutex mutex_;
    int batchDepth_ = 0;
    bool batchChanged_ = false;
    std::unique_ptr<FileLock> batchLock_;
    std::filesystem::path path_;
    RegistryDocument document_;
    Stamp stamp_;
    bool loaded_ = false;
    bool readable_ = true;  // false when the file exists but could not be read
    bool tooLarge_ = false; // over kMaxFileBytes: left unread
};

} // namespace kesto
