// Downloads handed to the host run until their files arrive in the download folder; a song is
// on this PC by its id, its name or "artist - name".
#include "pages/download_tracker.h"

#include "commands/command_texts.h"
#include "tests/protocol/protocol_doubles.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kesto {
namespace {

Song song(const char* id, const char* name, const char* artist) {
    Song record;
    record.setText(SongField::Song_ID, id);
    record.setText(SongField::Song_Name, name);
    record.setText(SongField::Artist_Name, artist);
    return record;
}

TEST(DownloadTracker, RunsUntilEveryFileHasArrivedAndKnowsWhatIsHere) {
    test::TempFolder folder;
    DownloadTracker::WorkList work;
    DownloadTracker tracker(work, [&folder] { return folder.path(); });
    CommandHooks hooks;
    tracker.install(hooks);
    EXPECT_FALSE(hooks.transferRunning());
    const Song byId = song("1001", "First", "A");
    const Song byName = song("1002", "Second", "B");
    const Song byBoth = song("1003", "Third", "C");
    hooks.downloadStarted({byId, byName, byBoth});
    EXPECT_TRUE(hooks.transferRunning());
    std::ofstream(folder / "1001.dcf") << "x";
    std::ofstream(folder / "Second.mp3") << "x";
    EXPECT_TRUE(hooks.transferRunning());
    EXPECT_EQ(work.size(), 1u);
    std::ofstream(folder / "C - Third.mp3") << "x";
    EXPECT_FALSE(hooks.transferRunning());
    EXPECT_TRUE(hooks.onThisPc(byId));
    EXPECT_TRUE(hooks.onThisPc(byBoth));
    EXPECT_FALSE(hooks.onThisPc(song("1004", "Fourth", "D")));
}

TEST(DownloadTracker, AMissingFolderHoldsNothingAndNoFolderIsSaid) {
    DownloadTracker::WorkList work;
    test::ScriptedBox box;
    std::filesystem::path folder = "/nonexistent/kesto/download";
    DownloadTracker tracker(
        work, [&folder] { return folder; }, &box);
    EXPECT_FALSE(tracker.onThisPc(song("1", "One", "A")));
    tracker.started({song("1", "One", "A")});
    EXPECT_TRUE(tracker.running());
    EXPECT_TRUE(box.shown.empty());

    // No folder of the user's own could be made: the user hears of it.
    folder.clear();
    tracker.started({song("2", "Two", "B")});
    ASSERT_EQ(box.shown.size(), 1U);
    EXPECT_EQ(box.shown[0].text, CommandTexts::get(CommandText::NoDownloadFolder));
    EXPECT_EQ(box.shown[0].style, mb::kExclamationOk);
}

} // namespace
} // namespace kesto
