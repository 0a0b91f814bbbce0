// Settings reads and writes against a file the size of a well-used installation.
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kesto {
namespace {

// 500 column keys of four values each: 2,000 values.
std::shared_ptr<RegistryFile> bigFile() {
    static std::shared_ptr<RegistryFile> file = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "kesto-bench-XXXXXX").string();
        const std::filesystem::path folder = ::mkdtemp(pattern.data());
        std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
        for (int page = 0; page < 50; ++page) {
            for (int column = 0; column < 10; ++column) {
                text += "[HKEY_CURRENT_USER\\Software\\Kesto\\ListPanel\\ListColumnInfo\\" +
                        std::to_string(page) + "\\" + std::to_string(column) + "]\r\n";
                for (const char* name : {"Width", "Show", "Index", "Name"})
                    text += std::string("\"") + name + "\"=\"" + std::to_string(column * 10) + "\"\r\n";
                text += "\r\n";
            }
        }
        const auto path = folder / "registry.reg";
        FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return std::make_shared<RegistryFile>(path);
    }();
    return file;
}

void BM_SettingsRead(benchmark::State& state) {
    RegistryKey key(bigFile());
    std::string width;
    for (auto _ : state) {
        key.readSectionString("ListPanel\\ListColumnInfo\\25\\5", width, settings::kColumnWidth);
        benchmark::DoNotOptimize(width);
    }
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);

// Each write changes the value, so every iteration locks, rewrites, flushes and renames.
void BM_SettingsWrite(benchmark::State& state) {
    RegistryKey key(bigFile());
    int i = 0;
    for (auto _ : state)
        key.writeSectionString("ListPanel\\ListColumnInfo\\25\\5", std::to_string(i++),
                               settings::kColumnWidth);
}
BENCHMARK(BM_SettingsWrite)->Unit(benchmark::kMillisecond);

// A reader after another process replaced the file: the whole file is parsed again.
void BM_SettingsReadAfterOutsideWrite(benchmark::State& state) {
    RegistryKey reader(bigFile());
    RegistryKey writer(std::make_shared<RegistryFile>(bigFile()->path()));
    std::string width;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writer.writeSectionString("Option", std::to_string(i++), settings::kShowDcfInfo);
        state.ResumeTiming();
        reader.readSectionString("ListPanel\\ListColumnInfo\\25\\5", width, settings::kColumnWidth);
    }
}
BENCHMARK(BM_SettingsReadAfterOutsideWrite)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kesto
