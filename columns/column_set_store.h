#pragma once
// Reading a page kind's column set back from the settings, with every check that sends it back
// to the default set, and writing it out again.

#include "columns/column_info.h"
#include "columns/column_settings.h"

#include <span>
#include <string_view>
#include <vector>

namespace kesto {

class ColumnSetStore {
public:
    static constexpr int kNumberMinWidth = 55;
    static constexpr int kNumberWidthRankSuppressed = 40;
    static constexpr int kHiddenRankWidth = 40;
    static constexpr int kLeaveUnwritten = -1;

    explicit ColumnSetStore(ColumnSettings& settings) : settings_(settings) {}

    // The stored set when it passes every check, else the page kind's default set; no END record.
    // usedDefault, when given, tells which one came back.
    std::vector<ColumnInfo> load(int pageKind, bool rankSuppressed, bool* usedDefault = nullptr);

    // One column's entry; width, displayIndex or hidden of kLeaveUnwritten is left as stored.
    void saveColumn(int pageKind, int columnKind, int width, int displayIndex, std::string_view title,
                    int hidden);
    // Every column of a set; nothing while the rank column is suppressed.
    void saveSet(int pageKind, std::span<const ColumnInfo> columns, bool rankSuppressed);

private:
    bool loadStored(int pageKind, bool rankSuppressed, std::vector<ColumnInfo>& out);
    bool readColumn(int pageKind, const std::string& key, bool rankSuppressed, ColumnInfo& info,
                    int& position);

    ColumnSettings& settings_;
};

} // namespace kesto
