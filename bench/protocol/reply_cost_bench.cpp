// What a non-list reply costs in memory, measured through the host's request function: the
// peak of bytes held while one exchange reads a 64 MiB reply, per reply byte. The reply is
// all VT (the most fields a reply can hold) or "1" fields (the most values). The host's own
// block is malloc'ed and not counted; the panel's copy of the reply and its reading are. A
// figure near 2 is the copy taken from the host plus the one the reading holds.
#include "protocol/list_request.h"
#include "protocol/my_album_source.h"
#include "protocol/protocol_exchange.h"
#include "protocol/purchase_exchange.h"
#include "protocol/request_sender.h"
#include "protocol/streaming_exchange.h"
#include "songs/song.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void counted(void* block) {
    const std::size_t now = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

// The replacements below pair malloc with free themselves; GCC sees only the library's new
// and this free once inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    counted(block);
    return block;
}

void operator delete(void* block) noexcept {
    if (block == nullptr)
        return;
    liveBytes -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

namespace {

constexpr std::size_t kReplyBytes = kesto::RequestSender::kMaxReplyBytes;

std::string reply;

int request(const char*, void** data, std::uint32_t* length, int, const char*, int, int) {
    *data = std::malloc(reply.size());
    std::memcpy(*data, reply.data(), reply.size());
    *length = static_cast<std::uint32_t>(reply.size());
    return 1;
}

// 0: nothing but VT; 1: "1" fields after a large count, so that counts and flags read as one.
void makeReply(std::int64_t shape) {
    reply.assign(kReplyBytes, '\x0b');
    if (shape != 1)
        return;
    for (std::size_t i = 0; i < reply.size(); i += 2)
        reply[i] = '1';
    reply.replace(0, 8, "1000000\x0b");
}

void measure(benchmark::State& state, const std::function<void(const kesto::ProtocolContext&)>& exchange) {
    makeReply(state.range(0));
    kesto::LoginBlock login;
    kesto::ProtocolContext context;
    context.request = &request;
    context.login = &login;
    double worst = 0;
    for (auto _ : state) {
        const std::size_t before = liveBytes.load();
        peakBytes = before;
        exchange(context);
        worst = std::max(worst, static_cast<double>(peakBytes.load() - before) / kReplyBytes);
    }
    state.counters["peak_bytes_per_reply_byte"] = worst;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kReplyBytes));
}

void protocolExchange(benchmark::State& state) {
    measure(state, [](const kesto::ProtocolContext& context) {
        const auto fields = kesto::ProtocolExchange::run(context, {"http://store/protocol.jsp?cart", ""});
        benchmark::DoNotOptimize(fields->raw(1).size() + fields->size());
    });
}

void streaming(benchmark::State& state) {
    measure(state, [](const kesto::ProtocolContext& context) {
        const kesto::PlayResult result = kesto::StreamingExchange(context).play(kesto::Song{});
        benchmark::DoNotOptimize(result.streamAddress.size());
    });
}

void myAlbumSource(benchmark::State& state) {
    measure(state, [](const kesto::ProtocolContext& context) {
        const auto albums = kesto::MyAlbumSource::ask(context, "1");
        benchmark::DoNotOptimize(albums->size());
    });
}

void price(benchmark::State& state) {
    measure(state, [](const kesto::ProtocolContext& context) {
        kesto::PriceReply answer;
        kesto::PurchaseExchange(context).price("", false, {{"1"}}, answer);
        benchmark::DoNotOptimize(answer.groups.size());
    });
}

} // namespace

BENCHMARK(protocolExchange)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(streaming)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(myAlbumSource)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(price)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);
