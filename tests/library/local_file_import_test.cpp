#include "audio_files.h"
#include "dcf_bytes.h"
#include "library/album_song_list.h"
#include "library/file_copier.h"
#include "library/file_type.h"
#include "library/folder_copy_name.h"
#include "library/folder_walker.h"
#include "library/local_file_import.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"
#include "songs/song_store.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include <fstream>

namespace kesto {
namespace {

using test::AudioFiles;

class LocalImportTest : public ::testing::Test {
protected:
    std::string mp3(const std::string& name, const std::string& title = {}, const std::string& artist = {}) {
        const auto path = dir / name;
        std::filesystem::create_directories(path.parent_path());
        EXPECT_TRUE(AudioFiles::make(path, title, artist)) << "needs sox, lame and oggenc";
        return path.string();
    }
    std::string writeFile(const std::string& name, const std::string& bytes) {
        const auto path = dir / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    // The page a folder copy goes to.
    std::filesystem::path page() {
        std::filesystem::create_directories(dir / "page");
        return dir / "page";
    }
    Song build(const std::string& path, const RecordOrigin& origin = {}) {
        Song record{};
        EXPECT_TRUE(factory.build(path, FileType::fromPath(path), origin, record)) << path;
        return record;
    }

    test::TempFolder dir;
    LocalRecordFactory factory{&AudioFiles::readTags, [] { return LocalTime{2024, 7, 8, 9, 10, 11, 0}; }};
    LocalFileImport import{factory};
};

TEST_F(LocalImportTest, TaggedFileFillsTheRecord) {
    const std::string path = mp3("tagged.mp3", "봄날", "Artist A");
    const Song r = build(path);
    EXPECT_EQ(std::string(r.text(SongField::Song_Name)), Cp949::fromUtf8("봄날"));
    EXPECT_STREQ(r.text(SongField::Artist_Name), "Artist A");
    EXPECT_NEAR(r.Bitrate, 128000, 8000); // as the reader measures it
    EXPECT_EQ(r.Play_Time, 1);
    EXPECT_EQ(r.File_Size, static_cast<int>(std::filesystem::file_size(path)));
    EXPECT_EQ(r.File_Format, FileType::kMp3);
    EXPECT_STREQ(r.text(SongField::Local_Path), path.c_str());
    EXPECT_STREQ(r.text(SongField::Source), " - ");
    EXPECT_STREQ(r.text(SongField::Added_Date), "20240708091011");
    EXPECT_EQ(r.text(SongField::Song_ID)[0], '-'); // made up, out of the store's range
    // The panel and the mini list each have a factory; their files meet in the now-playing list.
    LocalRecordFactory mini{&AudioFiles::readTags};
    Song other{};
    ASSERT_TRUE(mini.build(path, FileType::fromPath(path), {}, other));
    EXPECT_EQ(std::atoi(other.text(SongField::Song_ID)), std::atoi(r.text(SongField::Song_ID)) - 1);
    EXPECT_EQ(r.Serviceable, 1);

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    std::tm tm{};
    localtime_r(&info.st_mtime, &tm);
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y%m%d%H%M%S", &tm);
    EXPECT_STREQ(r.text(SongField::Modified_Date), expected);
}

TEST_F(LocalImportTest, DisplayNameAndUnknownArtistRules) {
    const Song bare = build(mp3("any/Track01.mp3"));
    EXPECT_STREQ(bare.text(SongField::Song_Name), "Track01");
    EXPECT_STREQ(bare.text(SongField::Artist_Name), "Unknown Artist");
    EXPECT_STREQ(build(mp3("other/Track01.mp3", "", "A")).text(SongField::Song_Name), "A-Track01");
    EXPECT_STREQ(build(mp3("a.b.mp3")).text(SongField::Song_Name), "a.b");
    EXPECT_EQ(std::string(build(mp3("노래.ogg")).text(SongField::Song_Name)), Cp949::fromUtf8("노래"));
    AlbumSongList listed;
    listed.songIds = {"20240101000000001"};
    listed.albumNames = {"My list"};
    listed.albumIds = {"4001"};
    listed.dates = {"20240101120000"};
    listed.localPaths = {"unused"};
    const RecordOrigin origin = listed.originAt(0);
    const Song fromAlbum = build(mp3("album.mp3"), origin);
    EXPECT_STREQ(fromAlbum.text(SongField::Song_ID), "20240101000000001");
    EXPECT_STREQ(fromAlbum.text(SongField::Source), "My list");
    EXPECT_STREQ(fromAlbum.text(SongField::Album_ID), "4001");
    EXPECT_STREQ(fromAlbum.text(SongField::Added_Date), "20240101120000");
}

// A broken file, a DCF that is none, a FIFO (nothing blocks on it; it is never copied either)
// and a name too long are unreadable, a type the list does not take is refused; the rest come.
TEST_F(LocalImportTest, NothingIsLostInAnImport) {
    const auto fifo = dir / "pipe.mp3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::string> paths = {mp3("good.mp3", "Good"),
                                            writeFile("broken.mp3", "not audio"),
                                            writeFile("clip.wav", "RIFF"),
                                            mp3("fine.ogg", "Fine"),
                                            dir.path().string() + "/" + std::string(300, 'n') + ".mp3",
                                            writeFile("j.dcf", "ID3 this is an mp3 named dcf"),
                                            fifo.string()};
    SongStore shown;
    const auto outcome = import.intoShownList(paths, shown);
    EXPECT_EQ(outcome.added, (std::vector<std::string>{paths[0], paths[3]}));
    EXPECT_EQ(outcome.unreadable, (std::vector<std::string>{paths[1], paths[4], paths[5], paths[6]}));
    EXPECT_EQ(outcome.refused, (std::vector<std::string>{paths[2]}));
    ASSERT_EQ(shown.count(), 2);
    EXPECT_STREQ(shown.get(1)->text(SongField::Song_Name), "Fine");
    EXPECT_EQ(shown.get(1)->File_Format, FileType::kOgg);
    EXPECT_EQ(FileCopier::copyNew(fifo, dir / "copy.mp3"), FileCopier::Result::Failed);
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.mp3"));
}

TEST_F(LocalImportTest, NowPlayingTakesEachFileOnce) {
    const std::string a = mp3("a.mp3", "A"), b = mp3("b.mp3", "B"), c = mp3("c.mp3", "C");
    SongStore shown, nowPlaying;
    Song streaming;
    streaming.setText(SongField::Song_ID, "S100");
    nowPlaying.addCopy(&streaming);
    Song listed; // the same file, listed under another letter case
    listed.setText(SongField::Song_ID, "L7");
    listed.setText(SongField::Local_Path, c.substr(0, c.size() - 5) + "C.MP3");
    nowPlaying.addCopy(&listed);
    EXPECT_EQ(import.intoNowPlaying({a}, shown, nowPlaying).added, std::vector<std::string>{a});
    const auto again = import.intoNowPlaying({a, b, c}, shown, nowPlaying);
    ASSERT_EQ(again.nowPlaying.size(), 2u);
    EXPECT_EQ(again.nowPlaying[0].position, 2);
    EXPECT_EQ(again.nowPlaying[0].songId, std::string(nowPlaying.get(2)->text(SongField::Song_ID)));
    EXPECT_EQ(again.nowPlaying[1].position, 1);
    EXPECT_EQ(again.nowPlaying[1].songId, "L7");
    EXPECT_EQ(again.added, (std::vector<std::string>{b}));
    EXPECT_EQ(nowPlaying.count(), 4);
    EXPECT_EQ(shown.count(), 2);
}

TEST_F(LocalImportTest, FolderCopyStaysInsideTheFolder) {
    const auto page = this->page();
    std::filesystem::create_directories(page / "sub");
    const std::vector<std::string> titles = {
        "../../escape",       "..",          ".hidden",     "a/b\\c",
        "tab\there\x01",      "/etc/passwd", "sub/../../x", std::string(400, 'L'),
        std::string(200, 'S')};
    std::vector<std::string> sources;
    for (std::size_t i = 0; i < titles.size(); ++i)
        sources.push_back(mp3("src" + std::to_string(i) + ".mp3", titles[i]));
    SongStore shown;
    const auto outcome = import.intoFolder(sources, page, shown);
    EXPECT_EQ(outcome.added.size() + outcome.present.size(), titles.size() - 1);
    EXPECT_EQ(outcome.failed, std::vector<std::string>{sources[7]})
        << "a path too long to keep is not copied";
    for (const auto& copy : outcome.added) {
        const auto path = std::filesystem::path(copy);
        EXPECT_EQ(path.parent_path(), page) << copy;
        EXPECT_NE(path.filename().string().front(), '.') << copy;
        EXPECT_LE(path.filename().string().size(), FolderCopyName::kMaxNameBytes);
    }
    std::size_t inPage = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
        inPage += entry.path().parent_path() == page && entry.is_regular_file();
    EXPECT_EQ(inPage, outcome.added.size());
    EXPECT_TRUE(std::filesystem::is_empty(page / "sub"));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "escape.mp3"));
    EXPECT_EQ(shown.count(), static_cast<int>(outcome.added.size()));
}

TEST_F(LocalImportTest, FolderCopyNeverReplacesAFile) {
    const auto page = this->page();
    std::ofstream(page / "Song.mp3") << "keep me";
    SongStore shown;
    const auto outcome = import.intoFolder({mp3("in.mp3", "Song")}, page, shown);
    EXPECT_EQ(outcome.present.size(), 1u);
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(test::readBytes(page / "Song.mp3"), "keep me");
}

// The copy is written under another name and renamed: its own name never holds part of it.
TEST_F(LocalImportTest, FolderCopyTakesItsNameOnlyWhenComplete) {
    const auto page = this->page();
    const std::string source = mp3("in.mp3", "Whole");
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(watch, page.c_str(), IN_CREATE | IN_MODIFY | IN_MOVED_TO), 0);
    SongStore shown;
    ASSERT_EQ(import.intoFolder({source}, page, shown).added.size(), 1U);
    alignas(inotify_event) char events[4096];
    std::vector<std::pair<std::string, std::uint32_t>> seen;
    for (ssize_t got; (got = ::read(watch, events, sizeof events)) > 0;)
        for (char* at = events; at < events + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            seen.emplace_back(event->len > 0 ? event->name : "", event->mask);
            at += sizeof(inotify_event) + event->len;
        }
    ::close(watch);
    EXPECT_EQ(
        std::count(seen.begin(), seen.end(), std::pair<std::string, std::uint32_t>("Whole.mp3", IN_MOVED_TO)),
        1);
    for (const auto& [name, mask] : seen)
        EXPECT_TRUE(name != "Whole.mp3" || mask == IN_MOVED_TO) << "written under its own name";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(page), {}), 1);
}

TEST_F(LocalImportTest, DcfFilesTakeTheirTypeFromTheContentId) {
    const std::string headers = "Content-Name: Local song\r\nBitrate: 128\r\n";
    const std::string local =
        writeFile("l.dcf", test::dcfBytes("audio/mpeg", "cid:1@local", headers, "payload"));
    const std::string remote = writeFile("r.dcf", test::dcfBytes("audio/mpeg", "cid:1@store", "", "payload"));
    const std::string bell = writeFile("b.dcf", test::dcfBytes("audio/x-bell", "cid:2@local", "", "p"));
    const Song l = build(local);
    EXPECT_EQ(l.File_Format, FileType::kDcfLocal);
    EXPECT_STREQ(l.text(SongField::Song_Name), "Local song");
    EXPECT_EQ(l.Bitrate, 128000);
    EXPECT_EQ(l.File_Size, static_cast<int>(std::filesystem::file_size(local)));
    EXPECT_STREQ(l.text(SongField::Artist_Name), "Unknown Artist");
    const Song r = build(remote);
    EXPECT_EQ(r.File_Format, FileType::kDcf);
    EXPECT_STREQ(r.text(SongField::Song_Name), "r");
    EXPECT_EQ(build(bell).File_Format, FileType::kBell);
}

TEST(FolderWalkerTest, CollectsByExtensionWithOrWithoutSubFolders) {
    test::TempFolder dir;
    for (const char* name : {"b.MP3", "a.ogg", "c.txt", "noext", ".hidden.mp3", "sub/d.dcf",
                             "sub/deeper/e.mp3", ".secret/f.mp3"}) {
        std::filesystem::create_directories((dir / name).parent_path());
        std::ofstream(dir / name) << "x";
    }
    std::filesystem::create_directory_symlink(dir.path(), dir / "sub/loop");
    const FolderWalker walker({"dcf", "mp3", "ogg"});
    const auto p = [&](const char* n) { return (dir / n).string(); };
    EXPECT_EQ(walker.collect(dir.path(), false), (std::vector<std::string>{p("a.ogg"), p("b.MP3")}));
    EXPECT_EQ(walker.collect(dir.path(), true),
              (std::vector<std::string>{p("a.ogg"), p("b.MP3"), p("sub/d.dcf"), p("sub/deeper/e.mp3")}));
    EXPECT_EQ(walker.collect(dir.path(), true, true),
              (std::vector<std::string>{p(".hidden.mp3"), p(".secret/f.mp3"), p("a.ogg"), p("b.MP3"),
                                        p("sub/d.dcf"), p("sub/deeper/e.mp3")}));
    EXPECT_EQ(FolderWalker({}).collect(dir.path(), false),
              (std::vector<std::string>{p("a.ogg"), p("b.MP3"), p("c.txt"), p("noext")}));
    EXPECT_TRUE(walker.collect(dir / "missing", true).empty());
}

} // namespace
} // namespace kesto
