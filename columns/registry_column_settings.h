#pragma once
// Column layouts kept in the per-user settings tree through RegistryKey.

#include "columns/column_settings.h"
#include "settings/registry_file.h"

#include <memory>

namespace kesto {

class RegistryKey;

class RegistryColumnSettings final : public ColumnSettings {
public:
    static constexpr const char* kRoot = "Software\\Kesto\\ListPanel\\ListColumnInfo";

    explicit RegistryColumnSettings(RegistryKey& key) : key_(key) {}

    bool columnKeys(int pageKind, std::vector<std::string>& names) override;
    bool read(int pageKind, const std::string& columnKey, const std::string& name, std::string& out) override;
    void write(int pageKind, int columnKind, const std::string& name, const std::string& text) override;
    void remove(int pageKind, const std::string& columnKey) override;
    // A whole set is one write of the settings file, not one per value.
    void beginBatch() override;
    void endBatch() override;

    static std::string pagePath(int pageKind);

private:
    RegistryKey& key_;
    std::unique_ptr<RegistryFile::Batch> batch_;
};

} // namespace kesto
