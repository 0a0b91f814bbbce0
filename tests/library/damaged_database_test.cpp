// The album database file as a user may find it: not a database, cut short, read-only, or in a
// folder that cannot be made. Nothing that was good is overwritten.

#include "library/my_album_db.h"
#include "sql/sql_transaction.h"
#include "support/other_user.h"
#include "support/temp_folder.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

class DamagedDatabaseTest : public ::testing::Test {
protected:
    fs::path file() const { return dir.path() / "Playlist" / "MyAlbum.dbf"; }
    AlbumSong song(int i) const {
        AlbumSong s;
        s.albumId = "4001";
        s.songName = "Song " + std::to_string(i);
        s.artist = "Artist";
        s.localPath = (dir.path() / ("song" + std::to_string(i) + ".mp3")).string();
        return s;
    }
    // A real database with count songs in album 4001, closed again (its journal folded in).
    void makeAlbum(int count) {
        MyAlbumDb db;
        ASSERT_TRUE(db.start(dir.path()));
        ASSERT_TRUE(db.execStatement("insert into AlbumName_tbl values ('4001','Drive')"));
        SqlTransaction batch(db.database());
        for (int i = 0; i < count; ++i) {
            writeBytes(song(i).localPath, "x");
            ASSERT_FALSE(db.insertSong(song(i)).empty());
        }
        ASSERT_TRUE(batch.commit());
    }
    std::vector<fs::path> damagedCopies() const {
        std::vector<fs::path> copies;
        for (const auto& entry : fs::directory_iterator(file().parent_path()))
            if (entry.path().filename().string().starts_with("MyAlbum.dbf.damaged-") &&
                !entry.path().string().ends_with("-wal"))
                copies.push_back(entry.path());
        return copies;
    }

    test::TempFolder dir;
};

TEST_F(DamagedDatabaseTest, ATruncatedFileIsKeptAsideAsItWas) {
    makeAlbum(400);
    fs::resize_file(file(), fs::file_size(file()) / 2);
    const std::string cut = readBytes(file());

    MyAlbumDb db;
    ASSERT_TRUE(db.start(dir.path()));
    ASSERT_FALSE(db.damagedCopy().empty());
    EXPECT_EQ(readBytes(db.damagedCopy()), cut);
    AlbumSongList list;
    EXPECT_TRUE(db.listAlbumSongs(std::to_string(MyAlbumDb::kAllSongsAlbum), list));
    EXPECT_TRUE(list.localPaths.empty());
}

// A sound header over a page SQLite cannot use: the check must not switch the file's journal
// (a write) before it is kept aside, and the journal goes aside with it.
TEST_F(DamagedDatabaseTest, ADamagedPageIsKeptAsideByteForByteWithItsJournal) {
    fs::create_directories(file().parent_path());
    {
        SQLite::Database made(file().string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        made.exec("PRAGMA page_size=512; create table t (x); insert into t values (1);");
    }
    std::string bytes = readBytes(file());
    ASSERT_EQ(bytes.size(), 1024U);
    bytes.replace(512, 512, 512, '\xff');
    writeBytes(file(), bytes);
    writeBytes(file().string() + "-wal", "old journal");

    MyAlbumDb db;
    ASSERT_TRUE(db.start(dir.path()));
    ASSERT_FALSE(db.damagedCopy().empty());
    EXPECT_EQ(readBytes(db.damagedCopy()), bytes);
    EXPECT_EQ(readBytes(db.damagedCopy().string() + "-wal"), "old journal");
    EXPECT_NE(readBytes(file().string() + "-wal"), "old journal");
}

TEST_F(DamagedDatabaseTest, AnEmptyFileIsAnEmptyDatabaseNotADamagedOne) {
    fs::create_directories(file().parent_path());
    writeBytes(file(), "");
    MyAlbumDb db;
    ASSERT_TRUE(db.start(dir.path()));
    EXPECT_TRUE(db.damagedCopy().empty());
    EXPECT_TRUE(damagedCopies().empty());
}

TEST_F(DamagedDatabaseTest, AnotherUsersFileInAFolderOthersMayWriteIsNeitherUsedNorChanged) {
    makeAlbum(3);
    const std::string before = readBytes(file());
    test::openToOthers(dir.path());
    ::chmod(file().parent_path().c_str(), 0777);
    ::chmod(file().c_str(), 0444);

    EXPECT_TRUE(test::asOtherUser([&] {
        MyAlbumDb db;
        // No albums, or the user's own folder elsewhere: never the file of another.
        return !db.start(dir.path()) || !db.movedTo().empty();
    }));
    EXPECT_EQ(readBytes(file()), before);
    EXPECT_TRUE(damagedCopies().empty());
}

} // namespace
} // namespace kesto
