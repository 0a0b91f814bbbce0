// Column layouts come from a settings file the user may bring or damage: whatever it holds,
// loading gives a usable column set and writing it back keeps it loadable.

#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "columns/column_kind.h"
#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/registry_column_settings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path file = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "kesto-columns-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data())) / "registry.reg";
    }();
    return file;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kesto;
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    RegistryKey key(std::make_shared<RegistryFile>(scratchFile()));
    RegistryColumnSettings settings(key);
    ColumnSetStore store(settings);
    for (int pageKind : {1, 4, 19, 23}) {
        for (bool rankSuppressed : {false, true}) {
            const auto set = store.load(pageKind, rankSuppressed);
            check(set.size() == DefaultColumnSets::forPageKind(pageKind).size());
            for (const ColumnInfo& column : set) {
                check(column.kind >= col::kFirst && column.kind <= col::kLast);
                check(column.title[sizeof column.title - 1] == '\0');
            }
            // A stale key that ends loading early is never deleted, so the defaults may keep
            // serving; the set itself must stay whole either way.
            store.saveSet(pageKind, set, false);
            check(store.load(pageKind, false).size() == set.size());
        }
    }
    return 0;
}
