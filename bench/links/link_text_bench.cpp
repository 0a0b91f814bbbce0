// Every navigation of the web view and every loaded page go through these: a link text is
// matched against the scheme table, a title is split into its link pairs.
#include "links/link_scheme.h"
#include "links/title_links.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace kesto;

void BM_MatchSchemeLink(benchmark::State& state) {
    const std::string link = "searchinfo://some words to look for///";
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkScheme::match(link));
}
BENCHMARK(BM_MatchSchemeLink);

void BM_MatchOrdinaryAddress(benchmark::State& state) {
    const std::string link = "http://127.0.0.1:8080/chart.jsp?code=00101&page=1";
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkScheme::match(link));
}
BENCHMARK(BM_MatchOrdinaryAddress);

// A hostile title: a huge count and many fields.
void BM_ParseTitle(benchmark::State& state) {
    std::string title = "2147483647";
    for (int i = 0; i < state.range(0); ++i)
        title += "|text " + std::to_string(i) + "|albuminfo://" + std::to_string(i) + "/";
    for (auto _ : state)
        benchmark::DoNotOptimize(TitleLinks::parse(title).last());
}
BENCHMARK(BM_ParseTitle)->Arg(2)->Arg(1000)->Arg(100000);

} // namespace
