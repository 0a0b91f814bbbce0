#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/registry_section.h"
#include "settings/settings_keys.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::readBytes;

class RegistryKeyTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return temp_.path() / "registry.reg"; }
    std::shared_ptr<RegistryFile> open() const { return std::make_shared<RegistryFile>(file()); }

    test::TempFolder temp_;
};

TEST_F(RegistryKeyTest, GettersNeverCreateKeysAndLeaveOutputsAlone) {
    RegistryKey key(open());
    std::string text = "before";
    std::uint32_t number = 42;
    key.readRootString(text, settings::kLastSaveFolder);
    key.readSectionString(settings::kOption, text, settings::kShowDcfInfo);
    key.readSectionDword(settings::kOption, number, settings::kHearingAppend);
    EXPECT_EQ(text, "before");
    EXPECT_EQ(number, 42u);
    EXPECT_FALSE(key.open("Software\\Kesto"));
    EXPECT_FALSE(std::filesystem::exists(file()));

    // An existing key without the value: the DWORD reads 0, the text stays.
    key.writeSectionString(settings::kOption, "1", settings::kShowDcfInfo);
    key.readSectionDword(settings::kOption, number, settings::kHearingAppend);
    EXPECT_EQ(number, 0u);
    key.readSectionString(settings::kOption, text, settings::kDownloadLyric);
    EXPECT_EQ(text, "before");
    key.readSectionString(settings::kOption, text, settings::kShowDcfInfo);
    EXPECT_EQ(text, "1");
}

TEST_F(RegistryKeyTest, NamesAndPathsIgnoreCase) {
    RegistryKey key(open());
    key.writeSectionString(settings::kMain, "1,2,3,4", settings::kSongTextRectInfo);
    std::string rect;
    key.readSectionString(settings::kMain, rect, settings::kSongTextRectInfoRead);
    EXPECT_EQ(rect, "1,2,3,4");
    ASSERT_TRUE(key.open("SOFTWARE\\kesto\\MAIN"));
    // Rewriting under another spelling keeps one value with its first spelling.
    ASSERT_TRUE(key.writeString("SONGTEXTRECTINFO", "5,6,7,8"));
    const std::string bytes = readBytes(file());
    EXPECT_NE(bytes.find("\"SongTextRectInfo\"=\"5,6,7,8\""), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("SONGTEXTRECTINFO"), std::string::npos);
}

TEST_F(RegistryKeyTest, SubKeysEnumerateAndDelete) {
    RegistryKey key(open());
    EXPECT_FALSE(key.deleteSubKey("1")); // no key held
    const std::string base = settings::kListColumnInfoPath;
    for (const char* column : {"\\1\\3", "\\1\\4", "\\2\\3", "\\1\\10"}) {
        ASSERT_TRUE(key.create(base + column));
        ASSERT_TRUE(key.writeString(settings::kColumnWidth, "40"));
    }
    ASSERT_TRUE(key.open(base)); // exists through its subkeys only
    std::vector<std::string> names;
    ASSERT_TRUE(key.subKeyNames(names));
    EXPECT_EQ(names, (std::vector<std::string>{"1", "2"}));
    EXPECT_FALSE(key.deleteSubKey("1")); // still has subkeys
    ASSERT_TRUE(key.open(base + "\\1"));
    ASSERT_TRUE(key.subKeyNames(names));
    EXPECT_EQ(names, (std::vector<std::string>{"3", "4", "10"}));
    EXPECT_TRUE(key.deleteSubKey("4"));
    EXPECT_FALSE(key.deleteSubKey("4"));
    ASSERT_TRUE(key.subKeyNames(names));
    EXPECT_EQ(names, (std::vector<std::string>{"3", "10"}));
    EXPECT_FALSE(key.open(base + "\\1\\4"));
}

TEST_F(RegistryKeyTest, SectionReadsFourBytesAndCreatesOnWrite) {
    RegistrySection section(settings::kSectionBase, open());
    EXPECT_EQ(section.readDword(settings::kMain, settings::kUpdateCodec, settings::kUpdateCodecMissing), 99u);
    ASSERT_TRUE(section.writeDword(settings::kMain, settings::kUpdateCodec, 1));
    EXPECT_EQ(section.readDword(settings::kMain, settings::kUpdateCodec, 99), 1u);
    // The same key through the other spelling of the base.
    RegistryKey key(open());
    std::uint32_t value = 0;
    key.readSectionDword(settings::kMain, value, settings::kUpdateCodec);
    EXPECT_EQ(value, 1u);
    // Type not tested: a short text reads as its bytes; a long one is too big.
    key.writeSectionString(settings::kMain, "1", "Short");
    key.writeSectionString(settings::kMain, "12345", "Long");
    EXPECT_EQ(section.readDword(settings::kMain, "Short", 99), 0x31u);
    EXPECT_EQ(section.readDword(settings::kMain, "Long", 99), 99u);
}

TEST_F(RegistryKeyTest, Cp949TextRoundTripsThroughAReadableFile) {
    const std::string hangul = "\xB3\xBB \xB8\xF1\xB7\xCF"; // "내 목록"
    const std::string notCp949 = std::string("a\x80z\xFF\xB0", 5);
    {
        RegistryKey key(open());
        key.writeRootString(hangul, settings::kPlayListSave);
        key.writeRootString(notCp949, "Odd");
        key.writeRootString("C:\\a \"b\"", settings::kLastOpenFolder);
    }
    const std::string bytes = readBytes(file());
    EXPECT_NE(bytes.find("\"PlayListSave\"=\"\xEB\x82\xB4 \xEB\xAA\xA9\xEB\xA1\x9D\""), std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("\"C:\\\\a \\\"b\\\"\""), std::string::npos) << bytes;
    RegistryKey fresh(open());
    std::string text;
    fresh.readRootString(text, settings::kPlayListSave);
    EXPECT_EQ(text, hangul);
    fresh.readRootString(text, "Odd");
    EXPECT_EQ(text, notCp949);
    fresh.readRootString(text, settings::kLastOpenFolder);
    EXPECT_EQ(text, "C:\\a \"b\"");
}

} // namespace
} // namespace kesto
