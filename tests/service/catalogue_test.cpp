// The sample catalogue: the same seed makes the same catalogue, large and varied enough, and it
// is generated once and read back unchanged from the data file.
#include "service/catalogue_generator.h"
#include "service/catalogue_store.h"
#include "service/service_database.h"
#include "service_client.h"

#include "platform/cp949.h"

#include <gtest/gtest.h>

#include <set>

namespace kesto::service {
namespace {

bool hasHangul(const std::string& cp949) {
    return Cp949::toUtf8(cp949).find_first_of("\xEA\xEB\xEC\xED") != std::string::npos;
}

bool isLatin(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return !text.empty();
}

TEST(CatalogueTest, GenerationIsDeterministicAndLargeEnough) {
    const Catalogue a = CatalogueGenerator(CatalogueStore::kSeed).generate();
    const Catalogue b = CatalogueGenerator(CatalogueStore::kSeed).generate();
    ASSERT_EQ(a.songs.size(), b.songs.size());
    for (std::size_t i = 0; i < a.songs.size(); ++i)
        ASSERT_EQ(a.songs[i].name, b.songs[i].name) << i;
    EXPECT_NE(CatalogueGenerator(7).generate().songs[1].name + CatalogueGenerator(7).generate().songs[2].name,
              a.songs[1].name + a.songs[2].name);

    EXPECT_GE(a.songs.size(), 2000u);
    EXPECT_GE(a.albums.size(), 200u);
    EXPECT_GE(a.artists.size(), 100u);
    EXPECT_GE(a.musicVideos.size(), 3u);
    EXPECT_GE(a.ringCuts.size(), 3u);
    int korean = 0, latin = 0, lyrics = 0, stopped = 0;
    for (const Artist& artist : a.artists) {
        korean += hasHangul(artist.name) ? 1 : 0;
        latin += isLatin(artist.name) ? 1 : 0;
    }
    for (const Song& song : a.songs) {
        lyrics += song.lyrics.empty() ? 0 : 1;
        stopped += song.serviceable ? 0 : 1;
        ASSERT_LT(song.id.size(), 21u);
    }
    EXPECT_GT(korean, 20);
    EXPECT_GT(latin, 20);
    EXPECT_GT(lyrics, 100);
    EXPECT_GT(stopped, 10);
}

TEST(CatalogueTest, ChartsHaveUniqueSongsShortCodesAndEveryKindOfRank) {
    const Catalogue cat = CatalogueGenerator(CatalogueStore::kSeed).generate();
    std::set<std::string> ranks;
    bool bells = false;
    for (const Chart& chart : cat.charts) {
        EXPECT_LE(chart.code.size(), 5u);
        bells = bells || chart.code == "238";
        std::set<std::string> ids;
        for (const ChartEntry& e : chart.entries) {
            EXPECT_TRUE(ids.insert(e.songId).second) << chart.code;
            const int n = std::atoi(e.rankText.c_str());
            ranks.insert(e.rankText == "NEW" || e.rankText == "NO" ? e.rankText
                         : n > 0                                   ? "up"
                         : n < 0                                   ? "down"
                                                                   : "0");
        }
    }
    EXPECT_TRUE(bells);
    EXPECT_EQ(ranks, (std::set<std::string>{"NEW", "NO", "up", "down", "0"}));
}

TEST(CatalogueTest, StoredOnceAndReadBackTheSame) {
    test::TempDir dir;
    const std::string path = (dir.path() / "c.db").string();
    const Catalogue generated = CatalogueGenerator(CatalogueStore::kSeed).generate();
    {
        ServiceDatabase db(path);
        CatalogueStore store;
        ASSERT_TRUE(store.open(db));
    }
    ServiceDatabase db(path);
    CatalogueStore store;
    ASSERT_TRUE(store.open(db));
    ASSERT_EQ(store.all().songs.size(), generated.songs.size());
    const Song& last = generated.songs.back();
    ASSERT_NE(store.song(last.id), nullptr);
    EXPECT_EQ(store.song(last.id)->name, last.name);
    EXPECT_EQ(store.song(last.id)->lyrics, last.lyrics);
    EXPECT_EQ(store.all().charts.front().entries.size(), generated.charts.front().entries.size());
    EXPECT_EQ(store.all().themes.back().songIds, generated.themes.back().songIds);
}

TEST(CatalogueTest, SearchMatchesWholeCharactersAndIgnoresAsciiCase) {
    EXPECT_TRUE(CatalogueStore::containsText("Summer Lights", "summer"));
    EXPECT_TRUE(CatalogueStore::containsText(Cp949::fromUtf8("푸른 하늘"), Cp949::fromUtf8("하늘")));
    // "\xB0\xA1" is one character; a search for bytes that straddle two characters finds nothing.
    EXPECT_FALSE(CatalogueStore::containsText("\xB0\xA1\xB0\xA1", "\xA1\xB0"));
    EXPECT_FALSE(CatalogueStore::containsText("abc", ""));
}

} // namespace
} // namespace kesto::service
