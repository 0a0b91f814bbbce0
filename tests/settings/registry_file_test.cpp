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
    std::vector<std::string> filesStartingWith(const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp_.path()))
            if (entry.path().filename().string().starts_with(prefix))
                names.push_back(entry.path().string());
        return names;
    }
    std::vector<std::string> damagedCopies() const { return filesStartingWith("registry.reg.damaged-"); }

    test::TempFolder temp_;
};

// What a read leaves in its output, which starts as given.
std::string rootText(RegistryKey& key, const std::string& name, std::string text = {}) {
    key.readRootString(text, name);
    return text;
}
std::string sectionText(RegistryKey& key, const std::string& section, const std::string& name,
                        std::string text = {}) {
    key.readSectionString(section, text, name);
    return text;
}
std::uint32_t sectionDword(RegistryKey& key, const std::string& section, const std::string& name,
                           std::uint32_t number = 0) {
    key.readSectionDword(section, number, name);
    return number;
}

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
        for (int i = 0; i < kCount; ++i)
            EXPECT_EQ(sectionText(key, settings::kOption, prefix + std::to_string(i)), std::to_string(i))
                << prefix << i;
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
        EXPECT_EQ(sectionText(key, settings::kOption, "19"), "19");      // the batch reads its own writes
        EXPECT_EQ(readBytes(file()).find("\"19\"="), std::string::npos); // nothing on disk yet
    }
    RegistryKey reader(open());
    EXPECT_EQ(sectionText(reader, settings::kOption, "0"), "0");
    EXPECT_EQ(rootText(reader, settings::kPlayListSave), "before");
}

TEST_F(RegistryFileTest, AReaderSeesAnotherWritersChange) {
    RegistryKey reader(open());
    RegistryKey writer(open());
    writer.writeRootString("first", settings::kPlayListSave);
    EXPECT_EQ(rootText(reader, settings::kPlayListSave), "first");
    // Same length, same second: the replaced file is still noticed.
    writer.writeRootString("again", settings::kPlayListSave);
    EXPECT_EQ(rootText(reader, settings::kPlayListSave), "again");
    std::filesystem::remove(file());
    EXPECT_EQ(rootText(reader, settings::kPlayListSave, "kept"), "kept");
}

TEST_F(RegistryFileTest, WindowsExportReadsBackAndKeepsWhatItDoesNotUse) {
    std::filesystem::copy_file(kData / "windows_export_utf16.reg", file());
    RegistryKey key(open());
    EXPECT_EQ(rootText(key, settings::kLastSaveFolder), "C:\\Program Files\\Kesto\\download");
    EXPECT_EQ(rootText(key, settings::kPlayListSave), "\xB3\xBB \xB8\xF1\xB7\xCF");
    EXPECT_EQ(sectionDword(key, settings::kMain, settings::kUpdateCodec), 2u);
    EXPECT_EQ(sectionDword(key, settings::kOption, settings::kHearingAppend), 1u);
    // The default value.
    EXPECT_EQ(sectionText(key, settings::kOption, ""), "\xB1\xE2\xBA\xBB\xB0\xAA");
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
    EXPECT_EQ(sectionDword(key, settings::kMain, settings::kUpdateCodec), 2u);
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
        EXPECT_EQ(rootText(key, settings::kShowDeleteBox, "unset"), c.readable);
        EXPECT_TRUE(damagedCopies().empty());

        key.writeRootString("0", settings::kKtpCheck);
        const std::vector<std::string> copies = damagedCopies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_TRUE(readBytes(copies[0]) == c.bytes);
        EXPECT_EQ(rootText(key, settings::kKtpCheck), "0");
        EXPECT_EQ(rootText(key, settings::kShowDeleteBox, "unset"), c.readable);
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
        if (rootText(key, settings::kKtpCheck, "unset") != "unset")
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
    EXPECT_EQ(filesStartingWith("registry.reg.tmp-"),
              std::vector<std::string>{(temp_.path() / "registry.reg.tmp-notours.txt").string()});
}

// The key interface over the same file.
using RegistryKeyTest = RegistryFileTest;

TEST_F(RegistryKeyTest, GettersNeverCreateKeysAndLeaveOutputsAlone) {
    RegistryKey key(open());
    EXPECT_EQ(rootText(key, settings::kLastSaveFolder, "before"), "before");
    EXPECT_EQ(sectionText(key, settings::kOption, settings::kShowDcfInfo, "before"), "before");
    EXPECT_EQ(sectionDword(key, settings::kOption, settings::kHearingAppend, 42), 42u);
    EXPECT_FALSE(key.open("Software\\Kesto"));
    EXPECT_FALSE(std::filesystem::exists(file()));

    // An existing key without the value: the DWORD reads 0, the text stays.
    key.writeSectionString(settings::kOption, "1", settings::kShowDcfInfo);
    EXPECT_EQ(sectionDword(key, settings::kOption, settings::kHearingAppend, 42), 0u);
    EXPECT_EQ(sectionText(key, settings::kOption, settings::kDownloadLyric, "before"), "before");
    EXPECT_EQ(sectionText(key, settings::kOption, settings::kShowDcfInfo), "1");
}

TEST_F(RegistryKeyTest, NamesAndPathsIgnoreCase) {
    RegistryKey key(open());
    key.writeSectionString(settings::kMain, "1,2,3,4", settings::kSongTextRectInfo);
    EXPECT_EQ(sectionText(key, settings::kMain, settings::kSongTextRectInfoRead), "1,2,3,4");
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
    EXPECT_EQ(sectionDword(key, settings::kMain, settings::kUpdateCodec), 1u);
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
    EXPECT_EQ(rootText(fresh, settings::kPlayListSave), hangul);
    EXPECT_EQ(rootText(fresh, "Odd"), notCp949);
    EXPECT_EQ(rootText(fresh, settings::kLastOpenFolder), "C:\\a \"b\"");
}

} // namespace
} // namespace kesto
