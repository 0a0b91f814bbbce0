// Column layouts through the real settings file: what a user brings from a Windows export
// loads with every check, and what the list writes is found again by a new reader.

#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/registry_column_settings.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

struct RegistryColumnSettingsTest : ::testing::Test {
    test::TempFolder folder;
    std::filesystem::path file = folder / "registry.reg";

    std::vector<ColumnInfo> load(int pageKind, bool* usedDefault = nullptr) {
        RegistryKey key(std::make_shared<RegistryFile>(file));
        RegistryColumnSettings settings(key);
        return ColumnSetStore(settings).load(pageKind, false, usedDefault);
    }
    void save(int pageKind, const std::vector<ColumnInfo>& set) {
        RegistryKey key(std::make_shared<RegistryFile>(file));
        RegistryColumnSettings settings(key);
        ColumnSetStore(settings).saveSet(pageKind, set, false);
    }
};

TEST_F(RegistryColumnSettingsTest, HiddenColumnAndWidthSurviveANewReader) {
    auto set = DefaultColumnSets::forPageKind(4);
    set[5].hidden = 1;
    set[4].width = 321;
    save(4, set);
    const std::string text = test::readBytes(file);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Kesto\\ListPanel\\ListColumnInfo\\4\\"),
              std::string::npos);

    bool usedDefault = true;
    const auto loaded = load(4, &usedDefault);
    EXPECT_FALSE(usedDefault);
    ASSERT_EQ(loaded.size(), set.size());
    EXPECT_EQ(loaded[5].hidden, 1);
    EXPECT_EQ(loaded[4].width, 321);
}

TEST_F(RegistryColumnSettingsTest, UnknownColumnInAnExportIsDeletedAndDefaultsServe) {
    save(6, DefaultColumnSets::forPageKind(6));
    // A column key that no default column of the page has, as an old export may carry.
    test::writeBytes(file,
                     test::readBytes(file) +
                         "\r\n[HKEY_CURRENT_USER\\Software\\Kesto\\ListPanel\\ListColumnInfo\\6\\43]\r\n"
                         "\"Width\"=\"10\"\r\n\"Show\"=\"0\"\r\n\"Index\"=\"1\"\r\n\"Name\"=\"Old\"\r\n");
    bool usedDefault = false;
    EXPECT_EQ(load(6, &usedDefault).size(), DefaultColumnSets::forPageKind(6).size());
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(test::readBytes(file).find("ListColumnInfo\\6\\43]"), std::string::npos);
}

} // namespace
} // namespace kesto
