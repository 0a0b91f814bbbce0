#pragma once
// The settings store's key object: one open key of the per-user settings tree at a time.
// The tree lives in a per-user file in registry-export format (see RegistryFile); key paths
// and value names match without regard to case, like the registry.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kesto {

class RegistryFile;
struct RegistryValue;

class RegistryKey {
public:
    RegistryKey();
    explicit RegistryKey(std::shared_ptr<RegistryFile> file); // tests and the host pass their own
    ~RegistryKey();

    // Primitives; true on success. Paths are relative to HKEY_CURRENT_USER ("Software\\Kesto\\Main").
    bool create(const std::string& path);
    bool open(const std::string& path);
    bool deleteSubKey(const std::string& name);
    void close();
    bool writeDword(const std::string& name, std::uint32_t value);
    bool writeString(const std::string& name, const std::string& text);
    bool readDword(const std::string& name, std::uint32_t& out);
    bool readString(const std::string& name, char* buffer, std::size_t size);
    // Names of the held key's direct subkeys, in stored order.
    bool subKeyNames(std::vector<std::string>& names);

    // Accessors rooted at "Software\\Kesto\\"; an empty section is the root key itself.
    void readRootString(std::string& out, const std::string& name);
    void writeRootString(const std::string& text, const std::string& name);
    void readSectionString(const std::string& section, std::string& out, const std::string& name);
    void writeSectionString(const std::string& section, const std::string& text, const std::string& name);
    void readSectionDword(const std::string& section, std::uint32_t& out, const std::string& name);
    void writeSectionDword(const std::string& section, std::uint32_t value, const std::string& name);

    // The settings file this key reads and writes (for grouping writes with RegistryFile::Batch).
    RegistryFile& file() const { return *file_; }

private:
    bool setValue(const RegistryValue& value);

    std::shared_ptr<RegistryFile> file_;
    std::string openPath_; // empty when no key is held
    bool held_ = false;
};

} // namespace kesto
