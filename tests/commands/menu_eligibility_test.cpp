// Context menu items against the songs chosen: greyed exactly where the command would refuse.

#include "columns/list_command_ids.h"
#include "commands/menu_eligibility.h"
#include "songs/song.h"

#include <gtest/gtest.h>

namespace kesto::test {
namespace {

using namespace listcmd;

Song song(std::string_view id, std::string_view path = "", std::string_view menuId = "100") {
    Song r;
    r.setText(SongField::Song_ID, id);
    r.setText(SongField::Local_Path, path);
    r.setText(SongField::Menu_ID, menuId);
    return r;
}

TEST(MenuEligibility, EachKindOfSongOpensItsOwnCommands) {
    const Song streaming = song("S1");
    const Song local = song("", "/music/a.mp3");
    Song grey = song("S2");
    grey.Serviceable = 0;
    const Song bell = song("S3", "", "238");

    EXPECT_TRUE(MenuEligibility::enabled(kPutCart, {&streaming}));
    EXPECT_FALSE(MenuEligibility::enabled(kPutCart, {&local}));
    EXPECT_FALSE(MenuEligibility::enabled(kPutGift, {&grey}));
    EXPECT_FALSE(MenuEligibility::enabled(kPutMyAlbum, {&bell}));
    EXPECT_TRUE(MenuEligibility::enabled(kDownload, {&bell}));
    EXPECT_TRUE(MenuEligibility::enabled(kPutPlayList, {&local}));
    EXPECT_FALSE(MenuEligibility::enabled(kPutPlayList, {&streaming}));
    EXPECT_TRUE(MenuEligibility::enabled(kListen, {&local}));
    EXPECT_FALSE(MenuEligibility::enabled(kListen, {&grey}));
    // One eligible song among others is enough: the command leaves the rest out itself.
    EXPECT_TRUE(MenuEligibility::enabled(kPutCart, {&local, &grey, &streaming}));
}

TEST(MenuEligibility, NothingChosenGreysTheSongCommandsOnly) {
    for (const int id :
         {kListen, kPutPlayList, kPutMyAlbum, kPutCart, kPutGift, kDownload, kLyrics2, kDelete})
        EXPECT_FALSE(MenuEligibility::enabled(id, {})) << id;
    for (const int id : {kSelectAll, kAddFiles, kLoadPlayList, kLoadMyAlbum, kClearNowPlaying, kSongInfo})
        EXPECT_TRUE(MenuEligibility::enabled(id, {})) << id;
}

} // namespace
} // namespace kesto::test
