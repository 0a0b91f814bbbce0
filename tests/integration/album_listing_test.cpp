// Local album pages over two albums through the real panel: every row carries its own album's
// name, on the album's page and on the all-songs page. The files the panel and the service
// made are their owner's only.
#include "tests/integration/panel_entries_fixture.h"

#include "service/service_context.h"

#include <map>
#include <sys/stat.h>

namespace kesto::test {
namespace {

using SourceBySong = std::map<std::string, std::string>;

struct Album {
    const char* id;
    const char* name;
    std::array<const char*, 2> songs;
};
constexpr std::array<Album, 2> kAlbums = {
    {{"7", "Road Trip", {"north", "south"}}, {"8", "Evening", {"dusk", "night"}}}};

class AlbumListingTest : public PanelEntriesTest {
protected:
    void SetUp() override {
        PanelEntriesTest::SetUp();
        MyAlbumDb db;
        ASSERT_TRUE(db.start(host.dataFolder()));
        for (const Album& album : kAlbums)
            ASSERT_TRUE(db.addAlbum(album.id, album.name));
        // Interleaved, so that neither album's rows come as one run.
        for (std::size_t i = 0; i < 2; ++i)
            for (const Album& album : kAlbums) {
                const auto file = host.dataFolder() / (std::string(album.songs[i]) + ".mp3");
                std::ofstream(file) << "x";
                Song record;
                record.setText(SongField::Local_Path, file.string());
                ASSERT_FALSE(db.insertSong(AlbumSong::fromRecord(record, album.id, "")).empty());
            }
    }
    SourceBySong shown(int menuId, const char* albumId) {
        const int before = host.panelLog().count(msg::kLocalPageReady);
        host.show(4, menuId, albumId);
        const bool ready = PanelHost::processUntil(
            [&] { return host.panelLog().count(msg::kLocalPageReady) > before; }, 10s);
        SourceBySong rows;
        for (const Song* record : host.rowRecords())
            rows[record->text(SongField::Song_Name)] = record->text(SongField::Source);
        return ready ? rows : SourceBySong{};
    }
};

TEST_F(AlbumListingTest, EveryRowShowsItsOwnAlbumsNameAndTheDatabaseFilesAreTheOwnersOnly) {
    SourceBySong everySong;
    for (const Album& album : kAlbums) {
        const SourceBySong expected = {{album.songs[0], album.name}, {album.songs[1], album.name}};
        EXPECT_EQ(shown(4100, album.id), expected) << album.name;
        everySong.insert(expected.begin(), expected.end());
    }
    EXPECT_EQ(shown(4000, ""), everySong);

    // The database files are their owner's only.
    for (const auto& file : {MyAlbumDb::filePath(host.dataFolder()),
                             host.dataFolder() / "service" / service::ServiceContext::kDatabaseFile}) {
        struct stat status {};
        ASSERT_EQ(::stat(file.c_str(), &status), 0) << file;
        EXPECT_EQ(status.st_mode & 0777, 0600u) << file;
    }
}

// A Playlist folder that others may write is passed over: the albums go to the user's own data
// folder, and the user is told where.
TEST(AlbumFolderTest, AFolderOthersMayWriteIsPassedOverAndTheUserTold) {
    PanelHost host;
    const auto shared = host.dataFolder() / "Playlist";
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(shared, std::filesystem::perms::all);
    std::string why;
    ASSERT_TRUE(host.start(why)) << why;
    const auto own = host.dataFolder() / "xdg" / "kesto" / "Playlist";
    struct stat status {};
    ASSERT_EQ(::stat((own / "MyAlbum.dbf").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_FALSE(std::filesystem::exists(shared / "MyAlbum.dbf"));
    const auto& told = PanelHost::boxTexts();
    EXPECT_TRUE(std::any_of(told.begin(), told.end(),
                            [&](const std::string& text) { return text.ends_with(own.string()); }));
}

} // namespace
} // namespace kesto::test
