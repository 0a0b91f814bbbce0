// Entry 23 to a filled list through the real module, against the reference service on
// loopback: a 50-row server page, and the download storage page over 2,000 tagged MP3 files
// read with the host's TagLib reader. Counters give the share of the request, the parse, the
// tag reading and the rest (the list fill and the hand-over).
#include "tests/integration/panel_host.h"

#include "listview/cmule_list_ctrl.h"
#include "songs/panel_messages.h"
#include "protocol/list_parser.h"
#include "protocol/list_request.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <chrono>

namespace kesto::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kChartMenu = 1001;
constexpr int kChartPageKind = 19;
constexpr int kPurchaseMenu = 5100;
constexpr int kFolderFiles = 2000;

PanelHost& host() {
    static PanelHost* instance = [] {
        auto* made = new PanelHost();
        std::string why;
        if (!made->start(why))
            std::fprintf(stderr, "panel host: %s\n", why.c_str());
        return made;
    }();
    return *instance;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The module's parse of the same reply, timed here with the same code.
double parseSeconds(const std::string& reply) {
    LoginBlock login;
    ProtocolContext context;
    context.login = &login;
    const auto start = Clock::now();
    int rows = 0;
    ListParser(context).parse(reply, kChartPageKind, [&rows](const SongRecord&) { return ++rows, true; });
    benchmark::DoNotOptimize(rows);
    return seconds(Clock::now() - start);
}

void BM_ServerPageOf50Rows(benchmark::State& state) {
    PanelHost& h = host();
    LoginBlock login = *static_cast<LoginBlock*>(h.entry<KestoEntry3>(3)());
    login.menuParameter = "00104";
    const ProtocolRequest page = ListRequest::build(login, kChartMenu, 0);
    const double parse = parseSeconds(h.ask(page.url, page.body));
    PanelHost::counters().reset();
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        h.show(2, kChartMenu, "00104");
        total += seconds(Clock::now() - start);
        if (h.list()->rowCount() != 50)
            state.SkipWithError("the list is not filled");
    }
    const double request = static_cast<double>(PanelHost::counters().requestNanos.load()) * 1e-9;
    const double iterations = static_cast<double>(state.iterations());
    state.counters["request_share"] = request / total;
    state.counters["parse_share"] = parse * iterations / total;
    state.counters["fill_share"] = 1.0 - (request + parse * iterations) / total;
}
BENCHMARK(BM_ServerPageOf50Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every show changes the page kind: the column sets are saved and loaded each time.
void BM_ServerPagesChangingKind(benchmark::State& state) {
    PanelHost& h = host();
    PanelHost::counters().reset();
    double total = 0;
    bool chart = false;
    for (auto _ : state) {
        chart = !chart;
        const auto start = Clock::now();
        if (chart)
            h.show(2, kChartMenu, "00104");
        else
            h.show(2, kPurchaseMenu);
        total += seconds(Clock::now() - start);
    }
    state.counters["request_share"] =
        static_cast<double>(PanelHost::counters().requestNanos.load()) * 1e-9 / total;
}
BENCHMARK(BM_ServerPagesChangingKind)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LocalFolderOf2000TaggedFiles(benchmark::State& state) {
    PanelHost& h = host();
    const auto folder = h.dataFolder() / "storage";
    if (!std::filesystem::exists(folder)) {
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kFolderFiles; ++i)
            writeTaggedMp3(folder / ("track" + std::to_string(i) + ".mp3"), "Title " + std::to_string(i),
                           "Artist");
    }
    PanelHost::setTags(PanelHost::Tags::Real);
    PanelHost::counters().reset();
    double total = 0;
    double untilReady = 0; // the reader's whole run: tags, records, the store
    for (auto _ : state) {
        const int ready = h.panelLog().count(msg::kLocalPageReady);
        const auto start = Clock::now();
        h.entry<KestoEntry38>(38)(folder.c_str());
        PanelHost::processUntil([&] { return h.panelLog().count(msg::kLocalPageReady) > ready; },
                                std::chrono::minutes(2));
        untilReady += seconds(h.panelLog().lastArrival - start);
        PanelHost::processPending();
        total += seconds(Clock::now() - start);
        if (h.list()->rowCount() != kFolderFiles)
            state.SkipWithError("the folder is not listed");
    }
    const double tags = static_cast<double>(PanelHost::counters().tagNanos.load()) * 1e-9;
    state.counters["tag_share"] = tags / total;
    state.counters["reader_rest_share"] = (untilReady - tags) / total;
    state.counters["fill_share"] = (total - untilReady) / total;
    state.counters["request_share"] =
        static_cast<double>(PanelHost::counters().requestNanos.load()) * 1e-9 / total;
}
BENCHMARK(BM_LocalFolderOf2000TaggedFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
} // namespace kesto::test

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
