#pragma once
// Which columns sort on which page kind, and how two rows compare.

#include <string_view>

namespace kesto {

class SortRules {
public:
    // Column indexes are positions in the page's column table. Every column sorts in the mini list.
    static bool isSortable(int pageKind, int column, bool rankSuppressed, bool miniList);

    // The page kind whose comparator a page kind uses, or 0 when it has none.
    static int comparatorOf(int pageKind);

    // <0, 0 or >0 as row A sorts before, with or after row B. Text compares byte-wise in CP949
    // order; the integer columns compare the number at the start of the text.
    static int compare(int pageKind, bool miniList, std::string_view a, std::string_view b, int column,
                       bool ascending);

    static bool isIntegerColumn(int pageKind, int column);

    // How a column compares, decided once per sort.
    enum class Mode { Equal, Bytes, Integer, AfterNumber };
    static Mode modeOf(int pageKind, bool miniList, int column);
    // The number at the start of a cell text, as atoi reads it.
    static int leadingInt(std::string_view text);
    // compare() for a mode already known, with operands already in sort order.
    static int compareAs(Mode mode, std::string_view a, std::string_view b);
};

} // namespace kesto
