// List replies over loopback, checked field by field against the layouts the panel parses:
// header fields, row starts and strides, paging, list codes, ranks, MP3 bells, music videos.
#include "service/catalogue_generator.h"
#include "service/catalogue_store.h"
#include "service_client.h"

#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace kesto::service::test {
namespace {

struct Fields {
    explicit Fields(const std::string& reply) : raw(splitRaw(reply)) {}
    std::string text(std::size_t i) const { return i < raw.size() ? decodeField(raw[i]) : std::string(); }
    std::int64_t num(std::size_t i) const { return decodeNumber(text(i)); }
    // Field k of row r (from 0) of a layout.
    std::string row(std::size_t first, std::size_t stride, std::size_t r, std::size_t k) const {
        return text(first + r * stride + k);
    }
    std::vector<std::string> raw;
};

class ListLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        client = new ServiceClient(dir->path());
        client->login("lister");
        catalogue = new Catalogue(CatalogueGenerator(CatalogueStore::kSeed).generate());
    }
    static void TearDownTestSuite() {
        delete client;
        delete dir;
        delete catalogue;
    }
    static const Song& song(const std::string& id) {
        for (const Song& s : catalogue->songs)
            if (s.id == id)
                return s;
        throw std::runtime_error("no song " + id);
    }
    static std::string artistName(const std::string& id) {
        for (const Artist& a : catalogue->artists)
            if (a.id == id)
                return a.name;
        return {};
    }

    static TempDir* dir;
    static ServiceClient* client;
    static Catalogue* catalogue;
};
TempDir* ListLayoutTest::dir = nullptr;
ServiceClient* ListLayoutTest::client = nullptr;
Catalogue* ListLayoutTest::catalogue = nullptr;

TEST_F(ListLayoutTest, ChartPagesHaveFiftyRowsOfFourteenFieldsWithRanks) {
    const Chart& chart = catalogue->charts.front();
    const Fields first(client->post("kestoSong", {chart.code, "0", ""}));
    ASSERT_EQ(first.num(0), 50);
    EXPECT_EQ(first.num(1), 0);
    EXPECT_EQ(first.num(2), static_cast<std::int64_t>(chart.entries.size()));
    EXPECT_EQ(first.text(3), chart.title);
    EXPECT_EQ(first.text(4), chart.code);
    EXPECT_EQ(first.raw.size(), 6u + 50 * 14);
    for (std::size_t r = 0; r < 50; ++r) {
        const Song& s = song(chart.entries[r].songId);
        EXPECT_EQ(first.row(6, 14, r, 0), s.id);
        EXPECT_EQ(first.row(6, 14, r, 1), s.serviceFlags);
        EXPECT_EQ(first.row(6, 14, r, 2), s.name);
        EXPECT_EQ(decodeNumber(first.row(6, 14, r, 3)), s.playTime);
        EXPECT_EQ(first.row(6, 14, r, 4), s.qualityFlags);
        EXPECT_EQ(first.row(6, 14, r, 5), s.artistId);
        EXPECT_EQ(first.row(6, 14, r, 6), artistName(s.artistId));
        EXPECT_EQ(first.row(6, 14, r, 7), s.albumId);
        EXPECT_EQ(decodeNumber(first.row(6, 14, r, 9)), s.phoneDeco);
        EXPECT_EQ(decodeNumber(first.row(6, 14, r, 10)), s.lyrics.empty() ? 0 : 1);
        // The rank is read as it comes: never encoded.
        EXPECT_EQ(first.raw[6 + r * 14 + 13], chart.entries[r].rankText);
    }
    const Fields second(client->post("kestoSong", {chart.code, "1", ""}));
    EXPECT_EQ(second.num(0), static_cast<std::int64_t>(chart.entries.size()) - 50);
    EXPECT_EQ(second.num(1), 1);
    EXPECT_EQ(second.text(6), chart.entries[50].songId);
    const Fields beyond(client->post("kestoSong", {chart.code, "9", ""}));
    EXPECT_EQ(beyond.num(0), 0);
    EXPECT_EQ(beyond.raw.size(), 6u);
}

TEST_F(ListLayoutTest, LinkFormOfAServiceListTakesThePageFromItsThirdItem) {
    const Chart& chart = catalogue->charts.front();
    const Fields reply(client->post("kestoSong", {chart.code, "2", "1", "W"}));
    EXPECT_EQ(reply.num(1), 1);
    EXPECT_EQ(reply.text(6), chart.entries[50].songId);
}

TEST_F(ListLayoutTest, Mp3BellListCarriesMenuId238AndNoRanks) {
    const Fields reply(client->post("kestoSong", {"238", "0", ""}));
    ASSERT_GT(reply.num(0), 0);
    EXPECT_EQ(reply.text(4), "238");
    for (std::int64_t r = 0; r < reply.num(0); ++r)
        EXPECT_EQ(reply.raw[6 + static_cast<std::size_t>(r) * 14 + 13], "NO");
}

TEST_F(ListLayoutTest, AlbumArtistAndThemeListsUseTenFieldRows) {
    const Album& album = catalogue->albums[3];
    const Fields a(client->post("album", {album.id, "1", "0"}));
    ASSERT_EQ(a.num(0), CatalogueGenerator::kSongsPerAlbum);
    EXPECT_EQ(a.text(3), album.name);
    EXPECT_EQ(a.text(4), "00301");
    EXPECT_EQ(a.raw.size(), 5u + 10 * 10);
    EXPECT_EQ(a.row(5, 10, 9, 6), album.id);
    EXPECT_EQ(a.row(5, 10, 9, 7), album.name);

    const Fields artist(client->post("artist", {album.artistId, "1", "0"}));
    EXPECT_EQ(artist.num(0), CatalogueGenerator::kSongsPerAlbum * CatalogueGenerator::kAlbumsPerArtist);
    EXPECT_EQ(artist.text(3), artistName(album.artistId));
    EXPECT_EQ(artist.row(5, 10, 0, 4), album.artistId);

    const Theme& theme = catalogue->themes[0];
    const Fields t(client->post("theme", {theme.id, "2", "0", "W", "0"}));
    EXPECT_EQ(t.num(0), static_cast<std::int64_t>(theme.songIds.size()));
    EXPECT_EQ(t.text(3), "00303");
    EXPECT_EQ(t.text(4), theme.title);
    EXPECT_EQ(t.row(5, 10, 0, 0), theme.songIds[0]);
}

TEST_F(ListLayoutTest, SearchOnItsOwnEndpointGivesTwelveFieldRowsAndThePageAddress) {
    const std::string word = Cp949::fromUtf8("하늘");
    const Fields reply(client->post("search", {"1", word, "0"}, "/protocol_search.jsp"));
    ASSERT_GT(reply.num(0), 0);
    EXPECT_EQ(reply.num(3), 1);
    EXPECT_EQ(reply.text(4), "00304");
    EXPECT_NE(reply.text(5).find("/search.jsp?"), std::string::npos);
    EXPECT_EQ(reply.raw.size(), 6u + static_cast<std::size_t>(reply.num(0)) * 12);
    for (std::int64_t r = 0; r < reply.num(0); ++r)
        EXPECT_NE(reply.row(6, 12, static_cast<std::size_t>(r), 2).find(word), std::string::npos);
}

TEST_F(ListLayoutTest, SongCommandFillsFieldsTwoToEleven) {
    const Song& s = catalogue->songs[7]; // a title with a ';' in it
    const Fields reply(client->post("song", {"1", "1", s.id}));
    EXPECT_EQ(reply.num(0), 1);
    EXPECT_EQ(reply.text(2), s.serviceFlags);
    EXPECT_EQ(reply.text(3), s.name);
    EXPECT_EQ(reply.num(4), s.playTime);
    EXPECT_EQ(reply.text(6), s.artistId);
    EXPECT_EQ(reply.text(8), s.albumId);
    EXPECT_EQ(reply.num(10), s.phoneDeco);
    EXPECT_EQ(reply.num(11), s.lyrics.empty() ? 0 : 1);
}

TEST_F(ListLayoutTest, PurchaseHistoryShowsSongsThatAreNotServiceable) {
    const Fields reply(client->post("buyingHistory", {"1", "0"}));
    ASSERT_EQ(reply.num(0), 2); // a new user's two streaming purchases
    EXPECT_EQ(reply.text(4), "00501");
    EXPECT_EQ(reply.raw.size(), 5u + 2 * 15);
    std::set<std::int64_t> serviceable;
    for (std::size_t r = 0; r < 2; ++r) {
        EXPECT_EQ(decodeNumber(reply.row(5, 15, r, 14)), song(reply.row(5, 15, r, 0)).serviceable ? 1 : 0);
        serviceable.insert(decodeNumber(reply.row(5, 15, r, 14)));
    }
    EXPECT_EQ(serviceable, (std::set<std::int64_t>{0, 1}));
    const Fields albums(client->post("buyingHistory", {"3", "0"}));
    EXPECT_EQ(albums.num(0), CatalogueGenerator::kSongsPerAlbum);
}

TEST_F(ListLayoutTest, RingCutsAndMusicVideoPurchases) {
    const Fields cuts(client->post("cuttingbell", {"0"}));
    ASSERT_EQ(cuts.num(0), 1);
    EXPECT_EQ(cuts.text(3), "00540");
    EXPECT_EQ(cuts.raw.size(), 5u + 15);
    EXPECT_EQ(cuts.row(5, 15, 0, 0), catalogue->ringCuts[0].songId);
    EXPECT_EQ(cuts.row(5, 15, 0, 10), catalogue->ringCuts[0].sectionStart);
    EXPECT_EQ(cuts.row(5, 15, 0, 11), catalogue->ringCuts[0].sectionEnd);
    EXPECT_FALSE(cuts.row(5, 15, 0, 14).empty());

    const Fields mvs(client->post("mvBuyHistory", {"0"}));
    ASSERT_EQ(mvs.num(0), 1);
    EXPECT_EQ(mvs.raw.size(), 5u + 8);
    EXPECT_EQ(mvs.row(5, 8, 0, 0), catalogue->musicVideos[0].id);
    EXPECT_EQ(mvs.row(5, 8, 0, 1), catalogue->musicVideos[0].name);
    EXPECT_EQ(mvs.row(5, 8, 0, 4), catalogue->musicVideos[0].cast);
    EXPECT_EQ(mvs.row(5, 8, 0, 5), catalogue->musicVideos[0].size);
}

TEST_F(ListLayoutTest, PlayingGivesAStreamOfTheServiceAndFeedsRecentAndOften) {
    const Song& s = catalogue->songs[12];
    for (int i = 0; i < 2; ++i) {
        const Fields play(client->post("streaming", {"00101", "1", s.id, "", "0", "KS3CA7", "1"}));
        ASSERT_EQ(play.num(0), 0);
        EXPECT_EQ(play.num(2), s.playTime);
        EXPECT_EQ(play.num(5), 1);
        const std::string url = play.text(1);
        ASSERT_EQ(url.rfind(client->server().baseUrl(), 0), 0u) << url;
        const auto audio = client->get(url.substr(client->server().baseUrl().size()));
        ASSERT_TRUE(audio);
        EXPECT_EQ(audio->body.substr(0, 4), "RIFF");
        EXPECT_EQ(audio->body.substr(8, 4), "WAVE");
    }
    const Fields preview(
        client->post("getstnlyricsinfo2", {"00101", "1", catalogue->songs[13].id, "", "0", "", "0"}));
    EXPECT_EQ(preview.num(5), 0);
    const Fields often(client->post("kestoSong", {"often", "0", ""}));
    ASSERT_EQ(often.num(0), 2);
    EXPECT_EQ(often.text(6), s.id);
    EXPECT_EQ(decodeNumber(often.row(6, 14, 0, 12)), 2);
    EXPECT_EQ(often.raw[6 + 13], "NO");
    const Fields recent(client->post("kestoSong", {"recent", "0", ""}));
    EXPECT_EQ(recent.num(0), 2);
    EXPECT_FALSE(recent.row(6, 14, 0, 11).empty());
    const Fields stopped(client->post("streaming", {"00101", "1", catalogue->songs[5].id, "", "0", "", "1"}));
    EXPECT_LT(stopped.num(0), 0);
}

TEST_F(ListLayoutTest, ServerTimePromotionAndPrices) {
    const Fields time(client->post("serverTime", {}));
    EXPECT_EQ(time.num(0), 0);
    EXPECT_EQ(time.text(1).size(), 14u);
    const Fields promo(client->post("promotion", {}));
    ASSERT_GT(promo.num(0), 0);
    EXPECT_EQ(promo.raw.size(), 1u + static_cast<std::size_t>(promo.num(0)) * 8);
    const Fields price(client->post("price", {"0", "2", catalogue->songs[0].id, catalogue->songs[5].id}));
    EXPECT_EQ(price.num(1), catalogue->songs[0].price);
    EXPECT_EQ(price.text(2), catalogue->songs[0].id);
    EXPECT_EQ(price.raw[3], "1");
    EXPECT_EQ(price.raw[6], "0"); // not serviceable
    EXPECT_EQ(price.text(8), ""); // closes the groups
    const Fields auth(client->post("authinfo", {}));
    EXPECT_GE(auth.raw.size(), 10u);
}

} // namespace
} // namespace kesto::service::test
