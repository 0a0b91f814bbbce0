#include "columns/column_set_store.h"

#include "platform/failure_log.h"

#include "columns/column_kind.h"
#include "columns/default_column_sets.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace kesto {
namespace {

inline const std::string kName = "Name";
inline const std::string kIndex = "Index";
inline const std::string kWidth = "Width";
inline const std::string kShow = "Show";

// A whole decimal number, as the store writes it.
std::optional<int> parseInt(std::string_view text) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

bool matchesDefault(const std::vector<ColumnInfo>& defaults, const ColumnInfo& info) {
    return std::any_of(defaults.begin(), defaults.end(), [&](const ColumnInfo& d) {
        return d.kind == info.kind && d.titleView() == info.titleView();
    });
}

std::optional<int> defaultWidth(int pageKind, int kind) {
    for (const ColumnInfo& info : DefaultColumnSets::forPageKind(pageKind))
        if (info.kind == kind)
            return info.width;
    return std::nullopt;
}

} // namespace

bool ColumnSetStore::readColumn(int pageKind, const std::string& key, bool rankSuppressed, ColumnInfo& info,
                                int& position) {
    std::string name, index, width, show;
    if (!settings_.read(pageKind, key, kName, name) || !settings_.read(pageKind, key, kIndex, index) ||
        !settings_.read(pageKind, key, kShow, show))
        return false;
    const auto kind = parseInt(key);
    const auto indexValue = parseInt(index);
    const auto showValue = parseInt(show);
    if (!kind || !indexValue || !showValue || *indexValue < -1 || *showValue < -1)
        return false;
    // A column hidden before its width was ever stored has none; it keeps its default width.
    std::optional<int> widthValue =
        settings_.read(pageKind, key, kWidth, width) ? parseInt(width) : std::nullopt;
    if (!widthValue && *showValue == 1)
        widthValue = defaultWidth(pageKind, *kind);
    if (!widthValue)
        return false;
    position = *indexValue;
    info = ColumnInfo::make(static_cast<std::uint16_t>(std::max(0, *indexValue)), name, *widthValue, *kind);
    info.hidden = rankSuppressed ? 0 : *showValue;
    if (*kind == col::kNumber)
        info.width = static_cast<std::int16_t>(rankSuppressed ? kNumberWidthRankSuppressed
                                                              : std::max(*widthValue, kNumberMinWidth));
    return true;
}

bool ColumnSetStore::loadStored(int pageKind, bool rankSuppressed, std::vector<ColumnInfo>& out) {
    const std::vector<ColumnInfo>& defaults = DefaultColumnSets::forPageKind(pageKind);
    std::vector<std::string> keys;
    if (defaults.empty() || !settings_.columnKeys(pageKind, keys))
        return false;
    // Stored columns that cannot be laid out give way to the defaults.
    const auto damaged = [pageKind](const std::string& why) {
        FailureLog::write(LogCategory::Columns,
                          "stored columns of page kind " + std::to_string(pageKind) + " not used: " + why);
        return false;
    };
    std::vector<std::optional<ColumnInfo>> slots(ColumnInfo::kMaxColumns);
    for (const std::string& key : keys) {
        ColumnInfo info;
        int position = 0;
        if (!readColumn(pageKind, key, rankSuppressed, info, position))
            return damaged("column " + key + " unreadable");
        if (!matchesDefault(defaults, info)) {
            settings_.remove(pageKind, key);
            return damaged("column " + key + " unknown");
        }
        // A position outside the room or taken twice cannot be laid out.
        if (position < 0 || position >= ColumnInfo::kMaxColumns || slots[static_cast<std::size_t>(position)])
            return damaged("column " + key + " at position " + std::to_string(position));
        slots[static_cast<std::size_t>(position)] = info;
    }
    if (keys.size() != defaults.size())
        return keys.empty() ? false : damaged(std::to_string(keys.size()) + " columns stored");
    out.clear();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!slots[i])
            return damaged("no column at position " + std::to_string(i));
        out.push_back(*slots[i]);
    }
    return true;
}

std::vector<ColumnInfo> ColumnSetStore::load(int pageKind, bool rankSuppressed, bool* usedDefault) {
    std::vector<ColumnInfo> stored;
    const bool ok = loadStored(pageKind, rankSuppressed, stored);
    if (usedDefault != nullptr)
        *usedDefault = !ok;
    if (ok)
        return stored;
    std::vector<ColumnInfo> defaults = DefaultColumnSets::forPageKind(pageKind);
    if (rankSuppressed)
        for (ColumnInfo& info : defaults)
            if (info.kind == col::kNumber)
                info.width = kNumberWidthRankSuppressed;
    return defaults;
}

void ColumnSetStore::saveColumn(int pageKind, int columnKind, int width, int displayIndex,
                                std::string_view title, int hidden) {
    settings_.write(pageKind, columnKind, kName, std::string(title));
    if (width != kLeaveUnwritten)
        settings_.write(pageKind, columnKind, kWidth, std::to_string(width));
    if (displayIndex != kLeaveUnwritten)
        settings_.write(pageKind, columnKind, kIndex, std::to_string(displayIndex));
    if (hidden != kLeaveUnwritten)
        settings_.write(pageKind, columnKind, kShow, std::to_string(hidden));
}

void ColumnSetStore::saveSet(int pageKind, std::span<const ColumnInfo> columns, bool rankSuppressed) {
    if (rankSuppressed)
        return;
    settings_.beginBatch();
    for (const ColumnInfo& info : columns) {
        if (info.isEnd())
            break;
        if (info.kind == col::kRankChange && info.hidden != 0) {
            saveColumn(pageKind, info.kind, kHiddenRankWidth, info.displayIndex, info.titleView(), 0);
            continue;
        }
        const int width = info.hidden != 0 ? kLeaveUnwritten : info.width;
        saveColumn(pageKind, info.kind, width, info.displayIndex, info.titleView(), info.hidden);
    }
    settings_.endBatch();
}

} // namespace kesto
