#pragma once
// The column set each page kind starts with (sets A to X), titles in CP949.

#include "columns/column_info.h"

#include <vector>

namespace kesto {

class DefaultColumnSets {
public:
    // The default set of a page kind without the END record; empty for kinds without one
    // (0, 15, 26, 27 and anything out of range).
    static const std::vector<ColumnInfo>& forPageKind(int pageKind);
    // The set by its letter 'A' to 'X'; empty for other letters.
    static const std::vector<ColumnInfo>& byLetter(char letter);
    // The set letter of a page kind, or 0.
    static char letterOf(int pageKind);
    // The mini list's column set.
    static const std::vector<ColumnInfo>& miniList();
};

} // namespace kesto
