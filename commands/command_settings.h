#pragma once
// The options the song commands read. A missing key object reads as the defaults.

#include <string>

namespace kesto {

class RegistryKey;

class CommandSettings {
public:
    explicit CommandSettings(RegistryKey* key) : key_(key) {}

    // HearingAppend: non-zero appends to the now-playing list instead of replacing it.
    bool hearingAppend() const;
    // The write flag for the host's transfer: 0 when FileSkipWrite starts with "1", else 1.
    int transferWriteFlag() const;
    // "1" in these flags means the dialog is not shown again.
    bool showDeleteBox() const;
    bool showDcfInfo() const;
    std::string ktpCheck() const;
    // InstallPath: the program's file path; DownloadLyric nonzero fetches missing lyrics files
    // without asking.
    std::string installPath() const;
    bool downloadLyric() const;

private:
    std::string rootText(const char* name) const;

    RegistryKey* key_;
};

} // namespace kesto
