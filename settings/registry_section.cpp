#include "settings/registry_section.h"

#include "settings/registry_file.h"
#include "settings/registry_key.h"

namespace kesto {

RegistrySection::RegistrySection(std::string base)
    : RegistrySection(std::move(base), RegistryFile::processDefault()) {}

RegistrySection::RegistrySection(std::string base, std::shared_ptr<RegistryFile> file)
    : base_(std::move(base)), file_(std::move(file)) {
    if (base_.empty() || base_.back() != '\\')
        base_ += '\\';
}

std::uint32_t RegistrySection::readDword(const std::string& section, const std::string& name,
                                         std::uint32_t def) {
    RegistryKey key(file_);
    if (!key.open(base_ + section))
        return def;
    unsigned char bytes[4] = {};
    if (!key.readString(name, reinterpret_cast<char*>(bytes), sizeof bytes))
        return def;
    return static_cast<std::uint32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16)) |
           static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool RegistrySection::writeDword(const std::string& section, const std::string& name, std::uint32_t value) {
    RegistryKey key(file_);
    return key.create(base_ + section) && key.writeDword(name, value);
}

} // namespace kesto
