#include "platform/cp949.h"
#include "songs/song_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace kesto {
namespace {

Song streaming(std::string_view id) {
    Song r;
    r.setText(SongField::Song_ID, id);
    return r;
}

Song local(std::string_view path, std::string_view id = "") {
    Song r = streaming(id);
    r.setText(SongField::Local_Path, path);
    return r;
}

void fill(SongStore& store, int n, const std::string& prefix = "S") {
    for (int i = 0; i < n; ++i) {
        const Song r = streaming(prefix + std::to_string(i));
        store.addCopy(&r);
    }
}

TEST(SongStore, EmptyStoreNullRecordsAndCopies) {
    SongStore store;
    EXPECT_EQ(store.indexBytes(), 0u); // built at the first look-up
    EXPECT_EQ(store.addCopy(nullptr), 0);
    EXPECT_EQ(store.insertCopy(0, nullptr), 0);
    EXPECT_EQ(store.findBySongId("S0"), -1);
    EXPECT_EQ(store.get(0), nullptr);
    EXPECT_EQ(store.removeAt(0), SongStore::kOutOfRange);
    EXPECT_EQ(store.current(), -1);

    Song original = streaming("S0");
    EXPECT_EQ(store.addCopy(&original), 1);
    // The store holds a copy, not the caller's record.
    EXPECT_NE(store.get(0), &original);
    original.setText(SongField::Song_ID, "changed");
    EXPECT_STREQ(store.get(0)->text(SongField::Song_ID), "S0");
    EXPECT_EQ(store.findBySongId("S0"), 0);
    EXPECT_GT(store.indexBytes(), 0u);
    store.clear();
    EXPECT_EQ(store.indexBytes(), 0u);
}

TEST(SongStore, PositionInNowPlayingMatchesKindAndIgnoresCase) {
    SongStore store;
    const Song entries[] = {local("/music/A.mp3", "777"), streaming("abc10"), local("/music/b.MP3"),
                            local("/music/\xB0\x41.mp3")};
    for (const Song& r : entries)
        store.addCopy(&r);
    EXPECT_EQ(store.positionInNowPlaying(streaming("ABC10")), 1);
    EXPECT_EQ(store.positionInNowPlaying(local("/MUSIC/a.mp3")), 0);
    EXPECT_EQ(store.positionInNowPlaying(local("/music/B.mp3")), 2);
    // Same Song_ID, different kind: never a match.
    EXPECT_EQ(store.positionInNowPlaying(streaming("777")), -1);
    EXPECT_EQ(store.positionInNowPlaying(local("/x.mp3", "abc10")), -1);
    // The second byte of a two-byte character is not a letter to fold.
    EXPECT_EQ(store.positionInNowPlaying(local("/music/\xB0\x41.mp3")), 3);
    EXPECT_EQ(store.positionInNowPlaying(local("/music/\xB0\x61.mp3")), -1);
}

struct Step {
    int p, m, f, expected;
};

TEST(SongStore, NextEntryInOrderedModes) {
    SongStore store;
    fill(store, 5);
    const Step steps[] = {
        {4, 1, 0, -1},  {2, 1, 0, 3},   {4, 1, 1, 0},   {4, 2, 0, 0},  {1, 2, 0, 2},  {3, 2, 1, 0},
        {0, -1, 0, -1}, {3, -1, 0, 2},  {3, -1, 1, 0},  {0, -2, 0, 4}, {3, -2, 0, 2}, {9, -2, 0, 4},
        {3, -2, 1, 0},  {2, 0, 0, 2},   {2, 100, 1, 2}, {5, 0, 0, -1}, {-1, 0, 0, 0}, {2, 3, 0, 0},
        {2, -3, 0, 0},  {2, 103, 0, 0}, {-1, 1, 0, 0},
    };
    for (const Step& s : steps)
        EXPECT_EQ(store.nextEntry(s.p, s.m, s.f), s.expected) << "p=" << s.p << " m=" << s.m << " f=" << s.f;
    store.clearShuffleMarks();
    store.nextEntry(1, 1, 0);
    EXPECT_EQ(store.shuffleMarkOf(2), 1); // the chosen entry is marked
}

TEST(SongStore, ShuffleDrawsUntilAnUnmarkedEntry) {
    SongStore store;
    fill(store, 4);
    std::vector<int> script = {1, 5, 9, 2, 6, 3, 7, 0};
    std::size_t drawn = 0;
    store.setRandomSource([&] { return script[drawn++ % script.size()]; });
    // 1 -> 1; 5%4=1 marked, 9%4=1 marked, 2 -> 2; 6%4=2 marked, 3 -> 3; 7%4=3 marked, 0 -> 0.
    for (int position = 0; position < 4; ++position)
        EXPECT_EQ(store.nextEntry(position, 101, 0), (position + 1) % 4) << position;
    EXPECT_EQ(drawn, 8u);
    // A fully marked cycle ends without drawing.
    EXPECT_EQ(store.nextEntry(0, 101, 0), -1);
    EXPECT_EQ(drawn, 8u);
    // Endless mode starts a new cycle.
    EXPECT_EQ(store.nextEntry(0, 102, 0), 1);
    EXPECT_EQ(store.shuffleMarkOf(1), 1);
    EXPECT_EQ(store.shuffleMarkOf(0), 0);
}

// What a scan of the records answers, the way the look-ups are meant to.
int scanForId(SongStore& store, std::string_view id) {
    for (int i = 0; i < store.count(); ++i)
        if (store.get(i)->view(SongField::Song_ID) == id)
            return i;
    return -1;
}

int scanNowPlaying(SongStore& store, const Song& r) {
    for (int i = 0; i < store.count(); ++i) {
        const Song& e = *store.get(i);
        if (e.isLocal() == r.isLocal() &&
            Cp949::equalsIgnoreCase(r.isLocal() ? e.text(SongField::Local_Path) : e.text(SongField::Song_ID),
                                    r.isLocal() ? r.text(SongField::Local_Path) : r.text(SongField::Song_ID)))
            return i;
    }
    return -1;
}

// Few keys, so that duplicates and case twins are common; local and streaming records share ids.
Song randomRecord(std::mt19937& rng) {
    const std::string id = (rng() % 2 ? "S" : "s") + std::to_string(rng() % 12);
    if (rng() % 3 == 0)
        return local((rng() % 2 ? "/M/" : "/m/") + std::to_string(rng() % 8) + ".mp3", id);
    return streaming(id);
}

void expectLookUpsAgreeWithAScan(SongStore& store, std::mt19937& rng, int step) {
    for (int k = 0; k < 6; ++k) {
        const Song probe = randomRecord(rng);
        ASSERT_EQ(store.findBySongId(probe.text(SongField::Song_ID)),
                  scanForId(store, probe.text(SongField::Song_ID)))
            << "step " << step;
        ASSERT_EQ(store.positionInNowPlaying(probe), scanNowPlaying(store, probe)) << "step " << step;
    }
}

// The store against a model of its records' order and of the current record: positions,
// returns, the current mark and the look-ups agree after every change, arguments out of
// range included.
struct Model {
    std::vector<const Song*> order;
    const Song* current = nullptr;

    int n() const { return static_cast<int>(order.size()); }
    bool has(int i) const { return i >= 0 && i < n(); }
    void erase(int i) {
        if (order[static_cast<std::size_t>(i)] == current)
            current = nullptr;
        order.erase(order.begin() + i);
    }
    void expectSameAs(SongStore& store, int step) const {
        ASSERT_EQ(store.count(), n()) << "step " << step;
        int at = -1;
        for (int i = 0; i < n(); ++i) {
            ASSERT_EQ(store.get(i), order[static_cast<std::size_t>(i)]) << "step " << step << " at " << i;
            EXPECT_EQ(store.get(i)->Is_Current, order[static_cast<std::size_t>(i)] == current ? 1 : 0);
            at = order[static_cast<std::size_t>(i)] == current ? i : at;
        }
        ASSERT_EQ(store.current(), at) << "step " << step;
    }
};

TEST(SongStore, EveryChangeKeepsOrderCurrentRecordAndLookUps) {
    SongStore store;
    Model model;
    std::mt19937 rng(99);
    const auto byPath = [](const Song& a, const Song& b) {
        return a.view(SongField::Local_Path) < b.view(SongField::Local_Path);
    };
    for (int step = 0; step < 4000; ++step) {
        const int n = store.count();
        const Song r = randomRecord(rng);
        // One past either end now and then.
        const int pick = static_cast<int>(rng() % static_cast<unsigned>(n + 2)) - 1;
        const int other = static_cast<int>(rng() % static_cast<unsigned>(n + 2)) - 1;
        switch (rng() % 13) {
        case 0:
        case 1:
            ASSERT_EQ(store.addCopy(&r), 1);
            model.order.push_back(store.get(n));
            break;
        case 2:
            ASSERT_EQ(store.adopt(std::make_unique<Song>(r)), 1);
            model.order.push_back(store.get(n));
            break;
        case 3: {
            const int at = pick + 1; // 0 to n + 1
            ASSERT_EQ(store.insertCopy(at, &r), at <= n ? 1 : 0);
            if (at <= n)
                model.order.insert(model.order.begin() + at, store.get(at));
            break;
        }
        case 4:
            ASSERT_EQ(store.removeAt(pick), model.has(pick) ? 1 : SongStore::kOutOfRange);
            if (model.has(pick))
                model.erase(pick);
            break;
        case 5:
            ASSERT_EQ(store.remove(model.has(pick) ? store.get(pick) : &r), model.has(pick));
            if (model.has(pick))
                model.erase(pick);
            break;
        case 6:
            ASSERT_EQ(store.move(pick, other), model.has(pick) && model.has(other));
            if (model.has(pick) && model.has(other)) {
                const Song* moved = model.order[static_cast<std::size_t>(pick)];
                model.order.erase(model.order.begin() + pick);
                model.order.insert(model.order.begin() + other, moved);
            }
            break;
        case 7:
            ASSERT_EQ(store.swap(pick, other), model.has(pick) && model.has(other));
            if (model.has(pick) && model.has(other))
                std::swap(model.order[static_cast<std::size_t>(pick)],
                          model.order[static_cast<std::size_t>(other)]);
            break;
        case 8:
            store.sort(byPath);
            std::stable_sort(model.order.begin(), model.order.end(),
                             [&](const Song* a, const Song* b) { return byPath(*a, *b); });
            break;
        case 9: {
            // Some records named twice, a stranger among them: the rest keep their order after them.
            std::vector<const Song*> named = {&r};
            for (int k = 0; k < 3 && n > 0; ++k)
                named.push_back(model.order[rng() % static_cast<unsigned>(n)]);
            store.reorder(named);
            std::vector<const Song*> order;
            for (const Song* s : named)
                if (std::count(model.order.begin(), model.order.end(), s) == 1 &&
                    std::count(order.begin(), order.end(), s) == 0)
                    order.push_back(s);
            for (const Song* s : model.order)
                if (std::count(order.begin(), order.end(), s) == 0)
                    order.push_back(s);
            model.order = order;
            break;
        }
        case 10:
        case 11:
            store.setCurrent(pick);
            model.current = model.has(pick) ? model.order[static_cast<std::size_t>(pick)] : nullptr;
            break;
        default:
            if (rng() % 20 == 0) {
                store.clear();
                model = Model{};
            }
            break;
        }
        model.expectSameAs(store, step);
        expectLookUpsAgreeWithAScan(store, rng, step);
    }
}

// Ten songs are always there, wherever the writer moves them; readers must always find them.
TEST(SongStore, ReadersFindWhatStaysWhileAWriterReorders) {
    SongStore store;
    fill(store, 10, "A");
    std::atomic<bool> done{false};
    std::thread writer([&] {
        std::mt19937 rng(5);
        for (int i = 0; i < 3000; ++i) {
            const Song r = (i % 2) ? streaming("W" + std::to_string(i)) : local("/w/" + std::to_string(i));
            store.addCopy(&r);
            const int n = store.count();
            store.move(static_cast<int>(rng() % n), static_cast<int>(rng() % n));
            store.swap(static_cast<int>(rng() % n), static_cast<int>(rng() % n));
            // Only added songs go: the first one that is not an "A".
            for (int k = 0; k < n; ++k) {
                if (store.get(k)->text(SongField::Song_ID)[0] != 'A' && i % 3 == 0) {
                    store.removeAt(k);
                    break;
                }
            }
            if (i % 500 == 0)
                store.sort([](const Song& a, const Song& b) {
                    return a.view(SongField::Song_ID) < b.text(SongField::Song_ID);
                });
        }
        done = true;
    });
    std::vector<std::thread> readers;
    std::atomic<int> misses{0};
    for (int t = 0; t < 2; ++t) {
        readers.emplace_back([&, t] {
            int k = t;
            while (!done) {
                const std::string id = "A" + std::to_string(k++ % 10);
                if (store.findBySongId(id) < 0 ||
                    store.positionInNowPlaying(streaming("a" + id.substr(1))) < 0)
                    ++misses;
                if (store.findBySongId("absent") != -1)
                    ++misses;
            }
        });
    }
    writer.join();
    for (auto& reader : readers)
        reader.join();
    EXPECT_EQ(misses, 0);
    std::mt19937 rng(1);
    expectLookUpsAgreeWithAScan(store, rng, -1);
    for (int i = 0; i < store.count(); ++i)
        EXPECT_EQ(store.findBySongId(store.get(i)->text(SongField::Song_ID)),
                  scanForId(store, store.get(i)->text(SongField::Song_ID)));
}

} // namespace
} // namespace kesto
