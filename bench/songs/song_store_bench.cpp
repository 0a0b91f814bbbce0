// Song store over the now-playing size a large play list reaches.
#include "songs/song_store.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace kesto {
namespace {

constexpr int kRecords = 100000;

SongStore& filledStore() {
    static SongStore* store = [] {
        auto* s = new SongStore;
        for (int i = 0; i < kRecords; ++i) {
            Song r;
            r.setText(SongField::Song_ID, "S" + std::to_string(i));
            if (i % 2 == 1)
                r.setText(SongField::Local_Path, "/music/Folder/Song " + std::to_string(i) + ".mp3");
            s->addCopy(&r);
        }
        return s;
    }();
    return *store;
}

void BM_FindBySongIdLast(benchmark::State& state) {
    SongStore& store = filledStore();
    const std::string id = "S" + std::to_string(kRecords - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.findBySongId(id));
}
BENCHMARK(BM_FindBySongIdLast)->Unit(benchmark::kMicrosecond);

void BM_PositionInNowPlayingLast(benchmark::State& state) {
    SongStore& store = filledStore();
    Song wanted;
    wanted.setText(SongField::Local_Path, "/MUSIC/folder/song " + std::to_string(kRecords - 1) + ".MP3");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.positionInNowPlaying(wanted));
}
BENCHMARK(BM_PositionInNowPlayingLast)->Unit(benchmark::kMicrosecond);

// The scan the index replaces, as a baseline for the two look-ups above.
void BM_ScanForSongIdLast(benchmark::State& state) {
    SongStore& store = filledStore();
    const std::string id = "S" + std::to_string(kRecords - 1);
    for (auto _ : state) {
        int found = -1;
        store.forEach([&](int i, Song& r) {
            if (found < 0 && id == r.text(SongField::Song_ID))
                found = i;
        });
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_ScanForSongIdLast)->Unit(benchmark::kMicrosecond);

// The first look-up after a store is filled builds the index.
void BM_FirstLookUpBuildsTheIndex(benchmark::State& state) {
    SongStore& store = filledStore();
    const std::string id = "S" + std::to_string(kRecords - 1);
    for (auto _ : state) {
        state.PauseTiming();
        const Song extra = *store.get(0);
        store.insertCopy(0, &extra); // drops the index
        store.removeAt(0);
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.findBySongId(id));
    }
    state.counters["index_bytes_per_record"] = static_cast<double>(store.indexBytes()) / kRecords;
}
BENCHMARK(BM_FirstLookUpBuildsTheIndex)->Iterations(5)->Unit(benchmark::kMillisecond);

// Deleting songs one by one as the delete command does: find, then remove.
void BM_FindAndRemoveInTheMiddle(benchmark::State& state) {
    SongStore& store = filledStore();
    int next = kRecords / 2;
    for (auto _ : state) {
        const std::string id = "S" + std::to_string(next);
        const int at = store.findBySongId(id);
        state.PauseTiming();
        Song back = *store.get(at);
        state.ResumeTiming();
        store.removeAt(at);
        state.PauseTiming();
        store.addCopy(&back); // keeps the store at its size; moves the song to the end
        ++next;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FindAndRemoveInTheMiddle)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// One pick of endless shuffle, averaged over whole cycles.
void BM_ShuffleNextEndless(benchmark::State& state) {
    SongStore& store = filledStore();
    std::mt19937 rng(7);
    store.setRandomSource([&rng] { return static_cast<int>(rng() >> 1); });
    store.clearShuffleMarks();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.nextEntry(0, 102, 0));
}
BENCHMARK(BM_ShuffleNextEndless)->Iterations(3 * kRecords)->Unit(benchmark::kMicrosecond);

// A whole one-time cycle: every entry once, then the -1 that ends it.
void BM_ShuffleWholeCycle(benchmark::State& state) {
    SongStore& store = filledStore();
    std::mt19937 rng(11);
    store.setRandomSource([&rng] { return static_cast<int>(rng() >> 1); });
    for (auto _ : state) {
        store.clearShuffleMarks();
        while (store.nextEntry(0, 101, 0) >= 0) {
        }
    }
}
BENCHMARK(BM_ShuffleWholeCycle)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kesto
