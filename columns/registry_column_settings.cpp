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
    const bool ok = key_.Open(pagePath(pageKind)) && key_.EnumSubKeys(names);
    key_.Close();
    return ok;
}

bool RegistryColumnSettings::read(int pageKind, const std::string& columnKey, const std::string& name,
                                  std::string& out) {
    std::array<char, 260> buffer{};
    const bool ok = key_.Open(pagePath(pageKind) + "\\" + columnKey) &&
                    key_.QueryString(name, buffer.data(), buffer.size());
    key_.Close();
    if (ok)
        out.assign(buffer.data(), strnlen(buffer.data(), buffer.size()));
    return ok;
}

void RegistryColumnSettings::write(int pageKind, int columnKind, const std::string& name,
                                   const std::string& text) {
    if (key_.Create(pagePath(pageKind) + "\\" + std::to_string(columnKind)))
        key_.SetString(name, text);
    key_.Close();
}

void RegistryColumnSettings::remove(int pageKind, const std::string& columnKey) {
    if (key_.Open(pagePath(pageKind)))
        key_.DeleteSubKey(columnKey);
    key_.Close();
}

void RegistryColumnSettings::beginBatch() {
    if (!batch_)
        batch_ = std::make_unique<RegistryFile::Batch>(key_.file());
}

void RegistryColumnSettings::endBatch() {
    batch_.reset();
}

} // namespace kesto
