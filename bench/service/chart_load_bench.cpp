// Bounded load on loopback: a fixed number of requests for a 50-row chart page from four client
// threads; reports requests per second and how many failed (expected: none).
#include "service/service_server.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

namespace {

constexpr int kThreads = 4;
constexpr int kRequestsPerThread = 1250;
constexpr char kVt = '\x0B';

struct LoadResult {
    int failed = 0;
    int rowsSeen = 0;
};

LoadResult runLoad(const std::string& baseUrl, const std::string& body) {
    std::atomic<int> failed{0};
    std::atomic<int> rows{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            httplib::Client client(baseUrl);
            client.set_keep_alive(true);
            client.set_tcp_nodelay(true);
            for (int i = 0; i < kRequestsPerThread; ++i) {
                const auto result = client.Post("/protocol.jsp?kestoSong", body, "text/plain");
                if (!result || result->status != 200 || result->body.rfind("50", 0) != 0)
                    ++failed;
                else
                    ++rows;
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    return {failed.load(), rows.load()};
}

void BM_ChartPageLoad(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kesto-service-bench-" + std::to_string(std::random_device{}()));
    kesto::service::ServiceConfig config;
    config.dataDir = dir.string();
    kesto::service::ServiceServer server(config);
    if (!server.start()) {
        state.SkipWithError("service did not start");
        return;
    }
    httplib::Client login(server.baseUrl());
    const auto reply = login.Post("/login.jsp", std::string("bench") + kVt + "pw" + kVt, "text/plain");
    const std::string key = reply ? reply->body.substr(2, reply->body.find(kVt, 2) - 2) : std::string();
    const std::string body = std::string("bench") + kVt + key + kVt + "00101" + kVt + "0" + kVt + kVt;
    LoadResult result;
    for (auto _ : state)
        result = runLoad(server.baseUrl(), body);
    const double requests = static_cast<double>(kThreads) * kRequestsPerThread;
    state.counters["requests"] = requests;
    state.counters["failed"] = result.failed;
    state.counters["requests_per_s"] =
        benchmark::Counter(requests * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    server.stop();
    std::filesystem::remove_all(dir);
}

} // namespace

BENCHMARK(BM_ChartPageLoad)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
