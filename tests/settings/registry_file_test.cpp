#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/registry_section.h"
#include "settings/settings_keys.h"
#include "support/other_user.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kesto {
namespace {

using test::readBytes;
using test::writeBytes;

const std::filesystem::path kData = KESTO_SETTINGS_TEST_DATA;

class RegistryFileTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return temp_.path() / "registry.reg"; }
    std::shared_ptr<RegistryFile> open() const { return std::make_shared<RegistryFile>(file()); }
    std::vector<std::string> damagedCopies() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp_.path()))
            if (entry.path().filename().string().starts_with("registry.reg.damaged-"))
                names.push_back(entry.path().string());
        return names;
    }

    test::TempFolder temp_;
};

void writeMany(const std::shared_ptr<RegistryFile>& file, const std::string& prefix, int count) {
    RegistryKey key(file);
    for (int i = 0; i < count; ++i)
        key.writeSectionString(settings::kOption, std::to_string(i), prefix + std::to_string(i));
}

TEST_F(RegistryFileTest, TwoProcessesWritingLoseNothing) {
    constexpr int kCount = 40;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        writeMany(open(), "Child", kCount);
        ::_exit(0);
    }
    writeMany(open(), "Parent", kCount);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    RegistryKey key(open());
    for (const char* prefix : {"Child", "Parent"}) {
        for (int i = 0; i < kCount; ++i) {
            std::string text;
            key.readSectionString(settings::kOption, text, prefix + std::to_string(i));
            EXPECT_EQ(text, std::to_string(i)) << prefix << i;
        }
    }
}

TEST_F(RegistryFileTest, ABatchWritesOnceAndLosesAnotherProcessesValuesNot) {
    auto shared = open();
    RegistryKey outside(open());
    outside.writeRootString("before", settings::kPlayListSave);
    {
        RegistryFile::Batch batch(*shared);
        RegistryKey key(shared);
        for (int i = 0; i < 20; ++i)
            key.writeSectionString(settings::kOption, std::to_string(i), std::to_string(i));
        std::string text;
        key.readSectionString(settings::kOption, text, "19");
        EXPECT_EQ(text, "19");                                           // the batch reads its own writes
        EXPECT_EQ(readBytes(file()).find("\"19\"="), std::string::npos); // nothing on disk yet
    }
    RegistryKey reader(open());
    std::string text;
    reader.readSectionString(settings::kOption, text, "0");
    EXPECT_EQ(text, "0");
    reader.readRootString(text, settings::kPlayListSave);
    EXPECT_EQ(text, "before");
}

TEST_F(RegistryFileTest, AReaderSeesAnotherWritersChange) {
    RegistryKey reader(open());
    RegistryKey writer(open());
    std::string text;
    writer.writeRootString("first", settings::kPlayListSave);
    reader.readRootString(text, settings::kPlayListSave);
    EXPECT_EQ(text, "first");
    // Same length, same second: the replaced file is still noticed.
    writer.writeRootString("again", settings::kPlayListSave);
    reader.readRootString(text, settings::kPlayListSave);
    EXPECT_EQ(text, "again");
    std::filesystem::remove(file());
    text = "kept";
    reader.readRootString(text, settings::kPlayListSave);
    EXPECT_EQ(text, "kept");
}

TEST_F(RegistryFileTest, WindowsExportReadsBackAndKeepsWhatItDoesNotUse) {
    std::filesystem::copy_file(kData / "windows_export_utf16.reg", file());
    RegistryKey key(open());
    std::string text;
    key.readRootString(text, settings::kLastSaveFolder);
    EXPECT_EQ(text, "C:\\Program Files\\Kesto\\download");
    key.readRootString(text, settings::kPlayListSave);
    EXPECT_EQ(text, "\xB3\xBB \xB8\xF1\xB7\xCF");
    std::uint32_t number = 0;
    key.readSectionDword(settings::kMain, number, settings::kUpdateCodec);
    EXPECT_EQ(number, 2u);
    key.readSectionDword(settings::kOption, number, settings::kHearingAppend);
    EXPECT_EQ(number, 1u);
    key.readSectionString(settings::kOption, text, ""); // the default value
    EXPECT_EQ(text, "\xB1\xE2\xBA\xBB\xB0\xAA");
    ASSERT_TRUE(key.open("Software\\Kesto\\Main"));
    char blob[8] = {};
    EXPECT_TRUE(key.readString("Blob", blob, 4));
    EXPECT_EQ(std::string(blob, 4), "\x01\x02\xAB\xCD");
    key.close();

    // A write turns the file into UTF-8 and keeps the comment and the other types as read.
    key.writeSectionString(settings::kMain, "1,1,1,1", settings::kMiniListRectInfo);
    const std::string bytes = readBytes(file());
    EXPECT_TRUE(bytes.starts_with("Windows Registry Editor Version 5.00\r\n")) << bytes;
    EXPECT_NE(bytes.find("; \xEB\x82\xB4\xEB\xB3\xB4\xEB\x82\xB8 \xEC\x84\xA4\xEC\xA0\x95\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\"Blob\"=hex:01,02,ab,\\\r\n  cd\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\"Expand\"=hex(2):25,00,41,00,00,00\r\n"), std::string::npos);
    EXPECT_NE(
        bytes.find("\"minilistRectInfo\"=\"1,1,1,1\"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kesto\\Option]"),
        std::string::npos)
        << bytes;
    EXPECT_TRUE(damagedCopies().empty());
    key.readSectionDword(settings::kMain, number, settings::kUpdateCodec);
    EXPECT_EQ(number, 2u);
}

// Whatever the damage, what can be read is used, reading alone changes nothing, and the first
// write keeps the old file aside byte for byte before it replaces it with a clean one.
TEST_F(RegistryFileTest, ADamagedFileIsKeptAsideWholeBeforeItIsReplaced) {
    const std::string header =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kesto]\r\n";
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(static_cast<char>((i * 37) & 0xff));
    std::string huge = header;
    while (huge.size() <= RegistryFile::kMaxFileBytes)
        huge += "\"ShowDeleteBox\"=\"huge\"\r\n";
    const struct {
        const char* what;
        std::string bytes;
        std::string readable; // ShowDeleteBox before the rewrite
    } cases[] = {
        {"bad lines", header + "\"ShowDeleteBox\"=\"1\"\r\nnot a value\r\n\"Broken\"=\"no end\r\n", "1"},
        {"no header", "just some text\n", "unset"},
        {"binary garbage", garbage, "unset"},
        {"over the size limit", huge, "unset"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(file(), c.bytes);
        RegistryKey key(open());
        std::string text = "unset";
        key.readRootString(text, settings::kShowDeleteBox);
        EXPECT_EQ(text, c.readable);
        EXPECT_TRUE(damagedCopies().empty());

        key.writeRootString("0", settings::kKtpCheck);
        const std::vector<std::string> copies = damagedCopies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_TRUE(readBytes(copies[0]) == c.bytes);
        key.readRootString(text, settings::kKtpCheck);
        EXPECT_EQ(text, "0");
        text = "unset";
        key.readRootString(text, settings::kShowDeleteBox);
        EXPECT_EQ(text, c.readable);
        key.writeRootString("1", settings::kKtpCheck);
        EXPECT_EQ(damagedCopies().size(), 1u);
        std::filesystem::remove(copies[0]);
    }
}

TEST_F(RegistryFileTest, AnUnreadableFileGivesDefaultsAndIsNeverReplaced) {
    const std::string content = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Kesto]\r\n\"KTPCheck\"=\"1\"\r\n";
    writeBytes(file(), content);
    ::chmod(file().c_str(), 0); // nobody but root may read it
    test::openToOthers(temp_.path());
    ::chmod(temp_.path().c_str(), 0777);
    EXPECT_TRUE(test::asOtherUser([&] {
        RegistryKey key(open());
        std::string text = "unset";
        key.readRootString(text, settings::kKtpCheck);
        if (text != "unset")
            return false;
        key.writeRootString("0", settings::kKtpCheck);
        return true;
    }));
    ::chmod(file().c_str(), 0600);
    EXPECT_EQ(readBytes(file()), content);
    EXPECT_TRUE(damagedCopies().empty());
}

TEST_F(RegistryFileTest, TemporaryFilesOfADeadWriterGoAtTheNextWrite) {
    for (const char* name : {"registry.reg.tmp-AbC123", "registry.reg.tmp-zz9ZZ9"})
        writeBytes(temp_.path() / name, "half a file");
    writeBytes(temp_.path() / "registry.reg.tmp-notours.txt", "someone else's");
    RegistryKey key(open());
    key.writeRootString("1", settings::kKtpCheck);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(temp_.path()))
        if (entry.path().filename().string().starts_with("registry.reg.tmp-"))
            left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"registry.reg.tmp-notours.txt"});
}

// The key interface over the same file.
using RegistryKeyTest = RegistryFileTest;

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
