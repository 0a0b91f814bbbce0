#include "tests/crash/settings_trial.h"

#include "columns/column_set_store.h"
#include "columns/default_column_sets.h"
#include "columns/registry_column_settings.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace kesto::crash {
namespace {

constexpr int kPageKind = 19;
constexpr int kBaseWidth = 60;
constexpr int kWidthRange = 300;

int widthOf(long generation) {
    return kBaseWidth + static_cast<int>(generation % kWidthRange);
}

std::string readRoot(RegistryKey& key, const char* name) {
    std::string text;
    key.readRootString(text, name);
    return text;
}

// Every Width stored for the trial page; empty before the first save.
std::set<std::string> storedWidths(RegistryKey& key) {
    RegistryColumnSettings columns(key);
    std::vector<std::string> names;
    std::set<std::string> widths;
    if (!columns.columnKeys(kPageKind, names))
        return widths;
    for (const std::string& name : names) {
        std::string width;
        columns.read(kPageKind, name, settings::kColumnWidth, width);
        widths.insert(width);
    }
    return widths;
}

long mixedGeneration(RegistryKey& key) {
    return std::atol(readRoot(key, settings::kSpliterTop).c_str());
}

void saveColumns(RegistryKey& key, long generation) {
    RegistryColumnSettings columns(key);
    ColumnSetStore store(columns);
    std::vector<ColumnInfo> set = DefaultColumnSets::forPageKind(kPageKind);
    for (ColumnInfo& column : set)
        column.width = static_cast<std::int16_t>(widthOf(generation));
    store.saveSet(kPageKind, set, false);
}

void saveMixed(RegistryKey& key, long generation) {
    const std::string text = std::to_string(generation);
    RegistryFile::Batch batch(key.file());
    key.writeRootString(text, settings::kSpliterTop);
    key.writeRootString("list " + text, settings::kPlayListSave);
    key.writeSectionDword(settings::kOption, static_cast<std::uint32_t>(generation),
                          settings::kHearingAppend);
    key.writeSectionString(settings::kMain, text + "," + text + "," + text + "," + text,
                           settings::kMiniListRectInfo);
}

} // namespace

void SettingsTrial::write(long rounds) {
    RegistryKey key(std::make_shared<RegistryFile>(file_));
    long generation = mixedGeneration(key);
    for (long i = 0; rounds == 0 || i < rounds; ++i) {
        ++generation;
        saveColumns(key, generation);
        saveMixed(key, generation);
    }
}

std::string SettingsTrial::check() {
    auto file = std::make_shared<RegistryFile>(file_);
    bool damaged = false;
    file->read([&](const RegistryDocument& document) { damaged = document.damaged(); });
    if (damaged)
        return "the file does not parse";
    RegistryKey key(file);
    const std::set<std::string> widths = storedWidths(key);
    if (widths.size() > 1)
        return "column widths of two saves";
    const long generation = mixedGeneration(key);
    if (generation == 0)
        return widths.empty() ? "" : "columns without the batch before them";
    const std::string text = std::to_string(generation);
    std::uint32_t hearing = 0;
    key.readSectionDword(settings::kOption, hearing, settings::kHearingAppend);
    std::string rect;
    key.readSectionString(settings::kMain, rect, settings::kMiniListRectInfo);
    if (readRoot(key, settings::kPlayListSave) != "list " + text || hearing != generation ||
        rect != text + "," + text + "," + text + "," + text)
        return "a batch written in part (generation " + text + ")";
    // Columns are saved before the batch of the same generation.
    const std::string width = widths.empty() ? "" : *widths.begin();
    if (width != std::to_string(widthOf(generation)) && width != std::to_string(widthOf(generation + 1)))
        return "column widths " + width + " beside batch " + text;
    return {};
}

} // namespace kesto::crash
