// How fast the service makes a song's stream: one 64 KB piece (about 1.5 s of audio) at a
// time, as a player reads it. A piece must come far faster than it plays.
#include "service/wave_stream.h"

#include <benchmark/benchmark.h>

namespace {

void StreamPiece(benchmark::State& state) {
    const kesto::service::WaveStream wave("3002325", 330);
    constexpr std::size_t kPiece = 64 * 1024;
    std::size_t offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wave.bytes(offset, kPiece));
        offset = (offset + kPiece) % wave.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPiece));
}
BENCHMARK(StreamPiece);

} // namespace
