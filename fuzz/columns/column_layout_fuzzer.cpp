// Column layouts come from a settings file the user may bring or damage: whatever it holds,
// loading gives a usable column set and writing it back keeps it loadable.

#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/registry_column_settings.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path file = [] {
        // Memory-backed where there is one: every input is written and flushed several times,
        // and on a disk the flushes, not the code, set the pace.
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "kesto-columns-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data())) / "registry.reg";
    }();
    // Registered after the path exists, so it runs before the path is destroyed.
    static const bool cleanUp = std::atexit([] {
                                    std::error_code error;
                                    std::filesystem::remove_all(scratchFile().parent_path(), error);
                                }) == 0;
    (void)cleanUp;
    return file;
}

// Each damaged input leaves a kept-aside copy: without this the folder fills, and every write
// walks more of it.
void clearScratchFolder() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(scratchFile().parent_path(), error))
        std::filesystem::remove(entry.path(), error);
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kesto;
    clearScratchFolder();
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    RegistryKey key(std::make_shared<RegistryFile>(scratchFile()));
    RegistryColumnSettings settings(key);
    ColumnSetStore store(settings);
    // One page kind per input, picked by its size so that the whole input stays the file: a
    // pass over all of them made every input eight loads and saves.
    constexpr int kPageKinds[] = {1, 4, 19, 23};
    const int pageKind = kPageKinds[size % 4];
    const bool rankSuppressed = (size / 4) % 2 == 1;
    const auto set = store.load(pageKind, rankSuppressed);
    check(set.size() == DefaultColumnSets::forPageKind(pageKind).size());
    for (const ColumnInfo& column : set) {
        check(column.kind >= col::kFirst && column.kind <= col::kLast);
        check(column.title[sizeof column.title - 1] == '\0');
    }
    // A stale key that ends loading early is never deleted, so the defaults may keep serving;
    // the set itself must stay whole either way.
    store.saveSet(pageKind, set, false);
    check(store.load(pageKind, false).size() == set.size());
    return 0;
}
