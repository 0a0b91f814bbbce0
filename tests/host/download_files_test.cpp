// What a download leaves and reads: the container the player writes is the one the panel's DCF
// reader takes, and the save folder is read from settings files as the panel and Windows write
// them.
#include "host/store/dcf_file.h"
#include "host/store/save_folder.h"
#include "host/store/song_fetch.h"
#include "library/dcf_header.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;

TEST(DownloadFilesTest, TheWrittenContainerIsReadByThePanelsDcfReader) {
    const fs::path folder = fs::temp_directory_path() / ("kesto-dcf-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string data(300000, 'w'); // longer than one uintvar byte holds
    DcfFile::Content content{
        "audio/wav", "cid:S000123@kesto", {{"Content-Name", "\xB9\xE3\r\nX: y"}, {"Bitrate", "352800"}}};
    const std::string head = DcfFile::head(content, data.size());
    std::string why;
    ASSERT_TRUE(DcfFile::write(folder / "S000123.dcf", head, data, why)) << why;
    const auto info = DcfHeader::readFile(folder / "S000123.dcf");
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->contentType, "audio/wav");
    EXPECT_EQ(info->title(), "\xB9\xE3  X: y"); // a value stays on its line
    EXPECT_EQ(info->header("X"), "");
    EXPECT_EQ(info->dataLength, data.size());
    EXPECT_EQ(info->bitrate(), 352800);
    EXPECT_FALSE(info->isLocal());
    struct stat st {};
    ASSERT_EQ(::stat((folder / "S000123.dcf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // No temporary left.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_TRUE(DcfFile::head({"", "cid:x", {}}, 1).empty());
    fs::remove_all(folder);
}

TEST(DownloadFilesTest, TheSaveFolderIsReadFromEitherEncodingOfTheSettingsFile) {
    const std::string utf16 = std::string("\xFF\xFE", 2) + [] {
        std::string out;
        for (const char16_t c :
             std::u16string(u"[HKEY_CURRENT_USER\\Software\\Kesto]\r\n\"LastSaveFolder\"=\"C:\\\\곡\"\r\n"))
            out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        return out;
    }();
    const struct {
        std::string file;
        std::optional<std::string> folder;
    } cases[] = {
        {"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kesto]\r\n"
         "\"LastSaveFolder\"=\"/home/u/download\"\r\n",
         "/home/u/download"},
        {"[hkey_current_user\\software\\kesto]\n\"lastsavefolder\"=\"/a \\\"b\\\" \\\\c\"\n", "/a \"b\" \\c"},
        {"[HKEY_CURRENT_USER\\Software\\Kesto]\n\"LastSaveFolder\"=\"/raw\\xB0\"\n", "/raw\xB0"},
        {"[HKEY_CURRENT_USER\\Software\\Kesto\\Option]\n\"LastSaveFolder\"=\"/elsewhere\"\n", std::nullopt},
        {"[HKEY_CURRENT_USER\\Software\\Kesto]\n\"LastSaveFolder\"=\"/unended\n", std::nullopt},
        {utf16, "C:\\곡"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaveFolder::fromSettings(c.file), c.folder) << c.file;
}

TEST(DownloadFilesTest, OnlyAPlainSongIdNamesAFile) {
    for (const char* id : {"S000123", "a-b_c.1", "12345678901234567890"})
        EXPECT_TRUE(SongFetch::plainFileName(id)) << id;
    for (const char* id :
         {"", "../x", "a/b", ".hidden", "..", "a b", "a\\b", "123456789012345678901", "\xB0"})
        EXPECT_FALSE(SongFetch::plainFileName(id)) << id;
}

} // namespace
} // namespace kesto
