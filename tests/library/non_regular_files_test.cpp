// A path that names a FIFO among songs: nothing blocks on it, it is reported unreadable, and the
// regular song beside it is still imported; it is never copied either.
#include "audio_files.h"
#include "library/file_copier.h"
#include "library/local_file_import.h"
#include "songs/song_store.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kesto {
namespace {

using test::AudioFiles;

TEST(SpecialFiles, AFifoIsNeitherReadNorCopied) {
    test::TempFolder temp;
    const auto fifo = temp.path() / "pipe.mp3";
    const auto song = temp.path() / "song.mp3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_TRUE(AudioFiles::make(song, "Title", "Artist")) << "needs sox, lame and oggenc";

    LocalRecordFactory factory{&AudioFiles::readTags, [] { return LocalTime{2024, 7, 8, 9, 10, 11, 0}; }};
    LocalFileImport import(factory);
    SongStore shown;
    const ImportOutcome outcome = import.intoShownList({fifo.string(), song.string()}, shown);
    EXPECT_EQ(outcome.unreadable, std::vector<std::string>{fifo.string()});
    EXPECT_EQ(outcome.added, std::vector<std::string>{song.string()});
    EXPECT_EQ(shown.count(), 1);

    EXPECT_EQ(FileCopier::copyNew(fifo, temp.path() / "copy.mp3"), FileCopier::Result::Failed);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "copy.mp3"));
}

} // namespace
} // namespace kesto
