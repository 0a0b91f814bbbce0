// Per-user state over loopback: cart, my albums and gifts change, and the changes survive a
// restart of the service; log-in keys report double and expired log-ins.
#include "service/catalogue_generator.h"
#include "service/catalogue_store.h"
#include "service_client.h"

#include "platform/cp949.h"

#include <gtest/gtest.h>

#include <atomic>

namespace kesto::service::test {
namespace {

std::vector<std::string> fields(const std::string& reply) {
    std::vector<std::string> out;
    for (const std::string& raw : splitRaw(reply))
        out.push_back(decodeField(raw));
    return out;
}

std::int64_t code(const std::string& reply) {
    return decodeNumber(fields(reply)[0]);
}

class UserStateTest : public ::testing::Test {
protected:
    UserStateTest() : catalogue(CatalogueGenerator(CatalogueStore::kSeed).generate()), client(dir.path()) {
        client.login("minji");
    }
    const Song& songAt(std::size_t i) const { return catalogue.songs[i]; }

    Catalogue catalogue;
    TempDir dir;
    ServiceClient client;
};

TEST_F(UserStateTest, LoginReplyPointsAtTheServiceAndCarriesKeyPasswordAndPhone) {
    const auto reply = client.login("minji", "pw");
    ASSERT_GE(reply.size(), 34u);
    EXPECT_FALSE(reply[1].empty());
    EXPECT_EQ(reply[2], "pw");
    EXPECT_EQ(reply[24], client.server().baseUrl());
    EXPECT_EQ(reply[25], client.server().baseUrl());
    EXPECT_EQ(std::string(reply[23].rbegin(), reply[23].rend()), "01012345678");
    EXPECT_EQ(client.login("minji", "wrong").size(), 2u);
    EXPECT_LT(decodeNumber(client.login("", "pw")[0]), 0);
}

TEST_F(UserStateTest, CartAddAndDeleteSurviveARestartAndPageByTwenty) {
    for (std::size_t i = 0; i < 22; ++i)
        ASSERT_EQ(code(client.post("addToCart", {"00101234", "1", "0", songAt(i).id, "0"})), 0);
    ASSERT_EQ(code(client.post("addToCart", {"00102", "2", "0", catalogue.albums[1].id, "0"})), 0);
    client.restart();
    auto page = fields(client.post("cartPage", {"0"}));
    ASSERT_EQ(decodeNumber(page[0]), 20);
    EXPECT_EQ(decodeNumber(page[2]), 23);
    ASSERT_EQ(page.size(), 4u + 20 * 13);
    EXPECT_EQ(decodeNumber(page[4]), 1);
    EXPECT_EQ(page[5], songAt(0).id);
    EXPECT_EQ(page[7], "00101"); // the menu id is cut to five characters
    EXPECT_EQ(page[9], songAt(0).name);
    const std::string firstCartId = page[6];
    const std::string secondCartId = page[4 + 13 + 2];

    const auto last = fields(client.post("cartPage", {"1"}));
    ASSERT_EQ(decodeNumber(last[0]), 3);
    EXPECT_EQ(decodeNumber(last[4 + 2 * 13]), 2); // the album row
    EXPECT_EQ(last[4 + 2 * 13 + 11], catalogue.albums[1].name);

    EXPECT_EQ(fields(client.post("deleteFromCart", {"2", firstCartId, secondCartId}))[1], "2");
    client.restart();
    page = fields(client.post("cartPage", {"0"}));
    EXPECT_EQ(decodeNumber(page[2]), 21);
    EXPECT_EQ(page[5], songAt(2).id);
    EXPECT_LT(code(client.post("deleteFromCart", {"3", "1"})), 0); // promises more ids than it has
}

TEST_F(UserStateTest, MusicVideoCartRowsLineUpWithTheParsersNineFieldRead) {
    for (std::size_t i = 0; i < 2; ++i)
        client.post("addToCart", {"9700", "3", "0", catalogue.musicVideos[i].id, "0"});
    const auto reply = fields(client.post("cartForMV", {"0"}));
    ASSERT_EQ(decodeNumber(reply[0]), 2);
    EXPECT_EQ(reply[3], "00971");
    // Row r: nine fields from 4 + 8r; its ninth (Serviceable) is the next row's first.
    for (std::size_t r = 0; r < 2; ++r) {
        EXPECT_EQ(reply[4 + 8 * r], "1");
        EXPECT_EQ(reply[4 + 8 * r + 1], catalogue.musicVideos[r].id);
        EXPECT_EQ(reply[4 + 8 * r + 2], catalogue.musicVideos[r].name);
        EXPECT_EQ(reply[4 + 8 * r + 8], "1");
    }
}

TEST_F(UserStateTest, MyAlbumSongsAddAndDeleteSurviveARestart) {
    auto albums = fields(client.post("myAlbum", {}));
    ASSERT_EQ(decodeNumber(albums[0]), 1); // a new user's album
    const std::string created = fields(client.post("myAlbum", {"1", Cp949::fromUtf8("드라이브")}))[1];
    ASSERT_EQ(code(client.post("addSongToMyAlbum", {created, "2", songAt(40).id, songAt(41).id})), 0);
    EXPECT_LT(code(client.post("addSongToMyAlbum", {created, "1", "9999999"})), 0);
    client.restart();
    auto songs = fields(client.post("myAlbumSong", {created, "0"}));
    ASSERT_EQ(decodeNumber(songs[0]), 2);
    EXPECT_EQ(songs[3], "00401");
    ASSERT_EQ(songs.size(), 4u + 2 * 13);
    EXPECT_EQ(songs[4], songAt(40).id);
    EXPECT_EQ(songs[4 + 4], created);
    EXPECT_EQ(songs[4 + 5], Cp949::fromUtf8("드라이브"));
    EXPECT_EQ(songs[4 + 10].size(), 14u);
    EXPECT_EQ(decodeNumber(fields(client.post("myAlbumSong", {"0", "0"}))[0]), 5); // every album

    ASSERT_EQ(fields(client.post("deleteSongFromMyAlbum", {created, "1", songAt(40).id}))[1], "1");
    client.restart();
    songs = fields(client.post("myAlbumSong", {created, "0"}));
    ASSERT_EQ(decodeNumber(songs[0]), 1);
    EXPECT_EQ(songs[4], songAt(41).id);
    EXPECT_EQ(decodeNumber(fields(client.post("myAlbumSource", {songAt(41).id}))[0]), 1);
}

TEST_F(UserStateTest, AMoveLeavesTheSourceAlbumOnlyWhenAskedAndSurvivesARestart) {
    const std::string from = fields(client.post("myAlbum", {"1", "From"}))[1];
    const std::string to = fields(client.post("myAlbum", {"1", "To"}))[1];
    ASSERT_EQ(code(client.post("addSongToMyAlbum", {from, "2", songAt(50).id, songAt(51).id})), 0);
    // A copy ("1"): the songs stay where they were.
    ASSERT_EQ(code(client.post("addSongToMyAlbum", {to, "1", songAt(50).id, from, "1"})), 0);
    // A move ("0"): the song leaves its album.
    ASSERT_EQ(code(client.post("addSongToMyAlbum", {to, "1", songAt(51).id, from, "0"})), 0);
    client.restart();
    EXPECT_EQ(decodeNumber(fields(client.post("myAlbumSong", {from, "0"}))[0]), 1);
    EXPECT_EQ(decodeNumber(fields(client.post("myAlbumSong", {to, "0"}))[0]), 2);
}

TEST_F(UserStateTest, GiftsAreSentAndReceivedWithTheirMessageAndSurviveARestart) {
    const std::string message = Cp949::fromUtf8("생일 축하해; 좋은 하루!");
    ASSERT_EQ(code(client.post("gift", {"1", "sora", message, "1", songAt(3).id})), 0);
    client.restart();
    auto sent = fields(client.post("giftBox", {"1", "0"}));
    ASSERT_EQ(decodeNumber(sent[0]), 1);
    EXPECT_EQ(sent[3], "00701");
    ASSERT_EQ(sent.size(), 4u + 18);
    EXPECT_EQ(sent[4], "sora");
    EXPECT_EQ(sent[4 + 2], songAt(3).id);
    EXPECT_EQ(decodeNumber(sent[4 + 15]), 1);
    const std::string giftId = sent[5];

    client.login("sora");
    const auto received = fields(client.post("giftBox", {"0", "0"}));
    ASSERT_EQ(decodeNumber(received[0]), 2); // the welcome gift and minji's
    // Newest first: sora's welcome gift came after minji's.
    EXPECT_EQ(received[4 + 18], "minji");
    EXPECT_EQ(received[5 + 18], giftId);
    EXPECT_EQ(decodeNumber(received[4 + 18 + 15]), 1);
    // The message shows only to the gift's sender or receiver with a valid key, never by its id alone.
    const std::string messagePage = "/message.jsp?is_send=0&gift_id=" + giftId;
    httplib::Client web(client.server().baseUrl());
    const auto shows = [&](const std::string& user, const std::string& key) {
        const auto page =
            web.Post(messagePage, "userid=" + user + "&u_key=" + key, "application/x-www-form-urlencoded");
        return page && page->body.find(message) != std::string::npos;
    };
    EXPECT_TRUE(shows("sora", client.key()));
    EXPECT_FALSE(shows("sora", "K0"));
    const auto bare = client.get(messagePage);
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->body.find(message), std::string::npos);
    client.login("jun");
    EXPECT_FALSE(shows("jun", client.key()));
    EXPECT_LT(code(client.post("gift", {"1", "", message, "1", songAt(3).id})), 0);
}

TEST_F(UserStateTest, BuyingChargesCashAndFillsTheHistory) {
    const auto before = decodeNumber(fields(client.post("cash", {}))[1]);
    ASSERT_EQ(code(client.post("buy", {"1", songAt(8).id, "card"})), 0);
    EXPECT_EQ(decodeNumber(fields(client.post("cash", {}))[1]), before - songAt(8).price);
    const auto history = fields(client.post("buyingHistory", {"2", "0"}));
    EXPECT_EQ(decodeNumber(history[0]), 2);
    EXPECT_EQ(history[5], songAt(8).id);
    EXPECT_LT(code(client.post("buy", {"1", "0000000", "card"})), 0);
}

TEST_F(UserStateTest, ANewerLoginMakesTheOldKeyADoubleLogin) {
    const std::string oldKey = client.key();
    client.login("minji");
    const std::string newKey = client.key();
    client.setKey(oldKey);
    const auto reply = fields(client.post("cartPage", {"0"}));
    EXPECT_EQ(decodeNumber(reply[0]), -10104);
    EXPECT_EQ(reply[1], Cp949::fromUtf8("다른 곳에서 같은 아이디로 로그인하여 접속이 종료되었습니다."));
    client.setKey(newKey);
    EXPECT_EQ(code(client.post("cartPage", {"0"})), 0);
    client.setKey("K-unknown");
    EXPECT_EQ(code(client.post("cartPage", {"0"})), -20000);
}

TEST(LoginKeyTest, AKeyOlderThanItsLifetimeIsExpired) {
    TempDir dir;
    auto now = std::make_shared<std::atomic<std::int64_t>>(1'200'000'000);
    ServiceClient client(dir.path(), [now] { return now->load(); });
    client.login("late");
    EXPECT_EQ(code(client.post("serverTime", {})), 0);
    *now += 25 * 60 * 60;
    const auto reply = fields(client.post("serverTime", {}));
    EXPECT_EQ(decodeNumber(reply[0]), -20000);
    EXPECT_FALSE(reply[1].empty());
}

} // namespace
} // namespace kesto::service::test
