// Parsing list replies against the cost of merely cutting the same bytes at VT: the ratio of
// the two shows how close the parser comes to reading the bytes. parseList hands each record
// to a function; parseIntoStore makes them in the list store, as a page fetch does, and
// recordsOnly makes as many empty records there, the part no parser can save; zeroedRecordsOnly
// only writes the bytes of as many records, the least that fully defined records cost.
#include "protocol/list_parser.h"
#include "protocol/reply_fields.h"
#include "songs/song_store.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A service-list reply (14 fields a row) with some references and escapes to decode.
std::string serviceListReply(int rows) {
    std::string text = std::to_string(rows) + "\x0b"
                                              "0\x0b"
                                              "0\x0b"
                                              "Top 100\x0b"
                                              "00123\x0b"
                                              "sub";
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        for (const std::string& field :
             {"10" + n, std::string("11000"), "Song title number " + n + "%20(live)", std::string("245"),
              std::string("110"), "AR" + n, "Artist &#38; band " + n, "AL" + n, "Album name " + n,
              std::string("0"), std::string("1"), std::string("20240101120000"), std::string("17"), n})
            text.append("\x0b").append(field);
    }
    return text;
}

void setRates(benchmark::State& state, const std::string& reply, int rows) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(reply.size()));
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rows, benchmark::Counter::kIsRate);
}

void parseList(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string reply = serviceListReply(rows);
    kesto::LoginBlock login;
    kesto::ProtocolContext context;
    context.login = &login;
    const kesto::ListParser parser(context);
    for (auto _ : state) {
        int made = 0;
        const auto list = parser.parse(reply, 19, [&made](const kesto::Song& record) {
            benchmark::DoNotOptimize(record.text(kesto::SongField::Song_ID)[0]);
            ++made;
            return true;
        });
        benchmark::DoNotOptimize(list.recordsMade);
    }
    setRates(state, reply, rows);
}

void parseIntoStore(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string reply = serviceListReply(rows);
    kesto::LoginBlock login;
    kesto::ProtocolContext context;
    context.login = &login;
    const kesto::ListParser parser(context);
    kesto::SongStore store;
    for (auto _ : state) {
        const auto list = parser.parse(reply, 19, kesto::ListParser::into(store));
        benchmark::DoNotOptimize(list.recordsMade);
        state.PauseTiming();
        store.clear();
        state.ResumeTiming();
    }
    setRates(state, reply, rows);
}

// Songs without texts made and stored: the floor of the store's part of a parse.
void recordsOnly(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    kesto::SongStore store;
    for (auto _ : state) {
        for (int i = 0; i < rows; ++i)
            store.adopt(std::make_unique<kesto::Song>());
        state.PauseTiming();
        store.clear();
        state.ResumeTiming();
    }
    state.counters["bytes_per_row"] = static_cast<double>(sizeof(kesto::Song));
}

void splitOnly(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string reply = serviceListReply(rows);
    for (auto _ : state) {
        const auto fields = kesto::ReplyFields::split(reply, '\x0b');
        benchmark::DoNotOptimize(fields.data());
    }
    setRates(state, reply, rows);
}

} // namespace

BENCHMARK(splitOnly)->Arg(50)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(parseList)->Arg(50)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(parseIntoStore)->Arg(50)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(recordsOnly)->Arg(100000)->Unit(benchmark::kMicrosecond);
