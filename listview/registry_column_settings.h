#pragma once
// Column layouts kept in the per-user settings tree through RegistryKey.

#include "listview/column_settings.h"

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

    static std::string pagePath(int pageKind);

private:
    RegistryKey& key_;
};

} // namespace kesto
