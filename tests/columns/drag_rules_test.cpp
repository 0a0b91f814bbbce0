// Rows moved by a drop, and the drag payload as the target reads it back.
#include "columns/drag_payload.h"
#include "columns/drop_rules.h"
#include "columns/row_move.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(RowMoveDrop, RowsGoBeforeTheRowAboveAndAfterTheRowBelowTheirFirst) {
    // A B C D E: B and D dropped on D go after D; D dropped on B goes before B.
    EXPECT_EQ(RowMove::order(5, {1, 3}, 3), (std::vector<int>{0, 2, 1, 3, 4}));
    EXPECT_EQ(RowMove::order(5, {3}, 1), (std::vector<int>{0, 3, 1, 2, 4}));
    EXPECT_EQ(RowMove::order(5, {0, 1}, -1), (std::vector<int>{2, 3, 4, 0, 1}));
    EXPECT_EQ(RowMove::order(5, {4, 0}, 9), (std::vector<int>{1, 2, 3, 4, 0}));
    // A row dropped on itself stays; rows out of range or repeated are passed over.
    EXPECT_EQ(RowMove::order(3, {1}, 1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(RowMove::order(3, {7, 2, 2}, 0), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(RowMove::order(0, {0}, -1), std::vector<int>{});
}

TEST(DragPayloadDrop, PayloadNamesASerialAndReadsBackOnlyWithItsToken) {
    const std::uint64_t token = DragPayload::freshToken();
    ASSERT_NE(token, 0U);
    EXPECT_NE(DragPayload::freshToken(), token);
    const std::string bytes = DragPayload{token, 7}.encode();
    EXPECT_EQ(bytes.size(), 20U) << "magic, token and serial: no addresses";
    const auto read = DragPayload::decode(bytes, token);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->serial, 7U);

    EXPECT_FALSE(DragPayload::decode(bytes, token ^ 4));
    EXPECT_FALSE(DragPayload::decode(bytes.substr(0, bytes.size() - 1), token));
    EXPECT_FALSE(DragPayload::decode(bytes + "x", token));
    EXPECT_FALSE(DragPayload::decode(DragPayload{token, 0}.encode(), token));
    EXPECT_FALSE(DragPayload::decode(DragPayload{0, 7}.encode(), 0));
}

TEST(DropRulesDrop, DevicePagesTakeSongsFromElsewhereAndTheLocalFolderNotFromItself) {
    DropOffer songs;
    songs.songs = true;
    EXPECT_EQ(DropRules::drop(songs, {14, false, false}), DropKind::Songs);
    EXPECT_EQ(DropRules::songAction(31), SongDropAction::PhoneList);
    EXPECT_EQ(DropRules::songAction(25), SongDropAction::DeviceList);
    EXPECT_EQ(DropRules::drop(songs, {6, false, true}), DropKind::Nothing);
    EXPECT_EQ(DropRules::drop(songs, {6, false, false}), DropKind::Songs);
    // The now-playing list moves its own rows and takes no songs from elsewhere.
    EXPECT_EQ(DropRules::drop(songs, {1, false, true}), DropKind::MoveRows);
    EXPECT_EQ(DropRules::over(songs, {1, false, false}), DropEffect::None);
    DropOffer files;
    files.files = true;
    files.songs = true;
    EXPECT_EQ(DropRules::drop(files, {2, false, true}), DropKind::Files) << "a file list comes first";
    // The decision carries the page's operation with songs only.
    EXPECT_EQ(DropRules::decide(songs, {5, false, false}).action, SongDropAction::LocalAlbum);
    EXPECT_EQ(DropRules::decide(files, {5, false, false}).action, SongDropAction::Nothing);
    EXPECT_EQ(DropRules::decide(songs, {5, false, true}).kind, DropKind::MoveRows);
}

} // namespace
} // namespace kesto
