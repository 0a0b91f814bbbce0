#pragma once
// A base path in the settings tree with per-call DWORD access: every call opens its key and
// closes it before returning.

#include <cstdint>
#include <memory>
#include <string>

namespace kesto {

class RegistryFile;

class RegistrySection {
public:
    // A trailing backslash is added to base when it has none.
    explicit RegistrySection(std::string base);
    RegistrySection(std::string base, std::shared_ptr<RegistryFile> file);

    // Reads up to four bytes of the value (its type is not tested); def when the key or the
    // value is missing or longer.
    std::uint32_t readDword(const std::string& section, const std::string& name, std::uint32_t def);
    bool writeDword(const std::string& section, const std::string& name, std::uint32_t value);

private:
    std::string base_;
    std::shared_ptr<RegistryFile> file_;
};

} // namespace kesto
