// The panel with the files a user may find damaged: an album database that is not one, a
// play-list folder that cannot be made, a settings file of binary garbage, audio files with
// lying tags or none. Each test is its own process with its own data folder.
#include "tests/integration/panel_entries_fixture.h"

#include "support/temp_folder.h"

#include <algorithm>

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

constexpr int kLocalAlbumMenu = 4100;

std::vector<fs::path> withPrefix(const fs::path& folder, const std::string& prefix) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(prefix))
            found.push_back(entry.path());
    return found;
}

// Each test lays its damage out before the panel starts.
class DamagedFilesTest : public PanelEntriesTest {
protected:
    void SetUp() override {}
    void start() { PanelEntriesTest::SetUp(); }
    fs::path playlist() const { return host.dataFolder() / "Playlist"; }
    std::vector<fs::path> songs(int count) {
        std::vector<fs::path> files;
        for (int i = 0; i < count; ++i) {
            files.push_back(host.dataFolder() / ("song" + std::to_string(i) + ".mp3"));
            writeTaggedMp3(files.back(), "Title " + std::to_string(i), "Artist");
        }
        return files;
    }
};

TEST_F(DamagedFilesTest, AnAlbumFileThatIsNoDatabaseIsKeptAsideTheUserToldAndAlbumsWorkAgain) {
    fs::create_directories(playlist());
    const std::string junk(8192, '\x5a');
    writeBytes(playlist() / "MyAlbum.dbf", junk);
    start();
    EXPECT_EQ(PanelHost::boxesShown(), 1);
    const auto copies = withPrefix(playlist(), "MyAlbum.dbf.damaged-");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readBytes(copies[0]), junk);

    addAlbum("7", "Road Trip");
    host.show(4, kLocalAlbumMenu, "7");
    EXPECT_EQ(host.entry<KestoEntry73>(73)(fileList(songs(3)).c_str()), 3);
    ASSERT_TRUE(waitForReady(1));
    EXPECT_EQ(host.list()->rowCount(), 3);
    EXPECT_EQ(PanelHost::boxesShown(), 1);
}

TEST_F(DamagedFilesTest, APlaylistFolderThatCannotBeMadeIsPassedOverAndTheFileLeftAlone) {
    writeBytes(playlist(), "a file where the folder should be");
    start();
    EXPECT_EQ(PanelHost::boxesShown(), 1); // the user is told where the albums go instead
    EXPECT_TRUE(fs::exists(host.dataFolder() / "xdg" / "kesto" / "Playlist" / "MyAlbum.dbf"));
    EXPECT_EQ(readBytes(playlist()), "a file where the folder should be");
}

TEST_F(DamagedFilesTest, ASettingsFileOfBinaryGarbageGivesDefaultsAndIsKeptAsideWhenFirstWritten) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 131) & 0xff));
    const fs::path settings = host.dataFolder() / "registry.reg";
    writeBytes(settings, garbage);
    start(); // the panel writes UpdateCODEC when it finds none
    EXPECT_EQ(PanelHost::boxesShown(), 0);
    const auto copies = withPrefix(host.dataFolder(), "registry.reg.damaged-");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readBytes(copies[0]), garbage);
    EXPECT_NE(readBytes(settings).find("UpdateCODEC"), std::string::npos);
    EXPECT_TRUE(withPrefix(host.dataFolder(), "registry.reg.tmp-").empty());
}

TEST_F(DamagedFilesTest, AudioFilesWithLyingTagsAreCutToFitAndThoseWithoutReadableTagsSkippedSilently) {
    PanelHost::setTags(PanelHost::Tags::Real);
    const fs::path folder = host.dataFolder() / "odd";
    fs::create_directories(folder);
    writeTaggedMp3(folder / "long.mp3", std::string(1000, 'T'), std::string(700, 'A'));
    writeBytes(folder / "noise.mp3", std::string(3000, '\x11'));
    writeBytes(folder / "empty.mp3", "");
    // A tag header that claims far more bytes than the file holds.
    writeBytes(folder / "lying.mp3",
               std::string("ID3\x03\x00\x00\x7f\x7f\x7f\x7f", 10) + "TIT2" + std::string(40, '\x7f'));
    start();
    host.entry<KestoEntry38>(38)(folder.c_str());
    ASSERT_TRUE(waitForReady(1));
    std::vector<std::string> names;
    for (const Song* record : host.rowRecords()) {
        EXPECT_LT(record->view(SongField::Song_Name).size(), Song::capacity(SongField::Song_Name));
        EXPECT_LT(record->view(SongField::Artist_Name).size(), Song::capacity(SongField::Artist_Name));
        names.emplace_back(record->text(SongField::Song_Name));
    }
    std::sort(names.begin(), names.end());
    // The host reads no tags from noise or an empty file: those are left out, without a word.
    ASSERT_GE(names.size(), 1u);
    EXPECT_LE(names.size(), 2u);
    const auto longTitle =
        std::find_if(names.begin(), names.end(), [](const std::string& n) { return n[0] == 'T'; });
    ASSERT_NE(longTitle, names.end());
    EXPECT_EQ(*longTitle, std::string(longTitle->size(), 'T'));
    EXPECT_LT(longTitle->size(), 255u) << "the title is cut to the tag field";
    EXPECT_EQ(PanelHost::boxesShown(), 0);
}

} // namespace
} // namespace kesto::test
