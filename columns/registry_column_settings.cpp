#include "columns/registry_column_settings.h"

#include "settings/registry_key.h"

#include <array>
#include <cstring>

namespace kesto {

std::string RegistryColumnSettings::pagePath(int pageKind) {
    return std::string(kRoot) + "\\" + std::to_string(pageKind);
}

bool RegistryColumnSettings::columnKeys(int pageKind, std::vector<std::string>& names) {
    names.clear();
    const bool ok = key_.open(pagePath(pageKind)) && key_.subKeyNames(names);
    key_.close();
    return ok;
}

bool RegistryColumnSettings::read(int pageKind, const std::string& columnKey, const std::string& name,
                                  std::string& out) {
    std::array<char, 260> buffer{};
    const bool ok = key_.open(pagePath(pageKind) + "\\" + columnKey) &&
                    key_.readString(name, buffer.data(), buffer.size());
    key_.close();
    if (ok)
        out.assign(buffer.data(), strnlen(buffer.data(), buffer.size()));
    return ok;
}

void RegistryColumnSettings::write(int pageKind, int columnKind, const std::string& name,
                                   const std::string& text) {
    if (key_.create(pagePath(pageKind) + "\\" + std::to_string(columnKind)))
        key_.writeString(name, text);
    key_.close();
}

void RegistryColumnSettings::remove(int pageKind, const std::string& columnKey) {
    if (key_.open(pagePath(pageKind)))
        key_.deleteSubKey(columnKey);
    key_.close();
}

void RegistryColumnSettings::beginBatch() {
    if (!batch_)
        batch_ = std::make_unique<RegistryFile::Batch>(key_.file());
}

void RegistryColumnSettings::endBatch() {
    batch_.reset();
}

} // namespace kesto
