#include "columns/sort_rules.h"

#include "columns/default_column_sets.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <initializer_list>

namespace kesto {
namespace {

bool oneOf(int value, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

constexpr std::uint32_t columns(std::initializer_list<int> list) {
    std::uint32_t mask = 0;
    for (int column : list)
        mask |= 1u << column;
    return mask;
}

// Columns that stay put on a page kind, one bit per column index.
std::uint32_t fixedColumns(int pageKind) {
    switch (pageKind) {
    case 1:
        return columns({0, 1, 2, 3, 8, 9, 10});
    case 2:
    case 3:
    case 7:
    case 8:
    case 9:
        return columns({0, 1, 2, 3, 8, 9});
    case 4:
    case 5:
        return columns({0, 1, 2, 3});
    case 6:
    case 14:
        return columns({0, 1, 2});
    case 10:
    case 11:
        return columns({0, 1, 2, 3, 5});
    case 16:
    case 22:
        return columns({0, 1, 2, 3, 5, 9, 10});
    case 17:
    case 18:
    case 20:
    case 21:
        return columns({0, 1, 2, 3, 9, 10});
    case 19:
        return columns({0, 1, 3, 9, 10});
    case 23:
        return columns({0, 1, 2, 6});
    default:
        return columns({0});
    }
}

} // namespace

// "128 kbps" is 128, "3.25 MB" is 3.
int SortRules::leadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1'000'000'000'000; ++i)
        value = value * 10 + (text[i] - '0');
    return static_cast<int>(std::clamp(negative ? -value : value, static_cast<long long>(INT_MIN),
                                       static_cast<long long>(INT_MAX)));
}

namespace {

// The mini list's song cells begin with their position ("12.Title - Artist"): the title decides.
std::string_view afterNumber(std::string_view text) {
    const std::size_t dot = text.find('.');
    return dot == std::string_view::npos ? text : text.substr(dot + 1);
}

// A comparator knows the columns of the page sets it serves and nothing beyond.
int columnRange(int comparator) {
    static const std::array<int, 32> ranges = [] {
        std::array<int, 32> widest{};
        for (int kind = 1; kind < 32; ++kind) {
            const int group = SortRules::comparatorOf(kind);
            const int size = static_cast<int>(DefaultColumnSets::forPageKind(kind).size());
            widest[static_cast<std::size_t>(group)] = std::max(widest[static_cast<std::size_t>(group)], size);
        }
        return widest;
    }();
    return comparator >= 0 && comparator < 32 ? ranges[static_cast<std::size_t>(comparator)] : 0;
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

bool SortRules::isSortable(int pageKind, int column, bool rankSuppressed, bool miniList) {
    if (miniList)
        return true;
    if (column < 0 || oneOf(pageKind, {28, 29, 30}))
        return false;
    if (pageKind == 19 && column == 2)
        return rankSuppressed;
    return column >= 32 || (fixedColumns(pageKind) & (1u << column)) == 0;
}

int SortRules::comparatorOf(int pageKind) {
    if (oneOf(pageKind, {12, 13, 24, 25}))
        return 12;
    if (oneOf(pageKind, {14, 31}))
        return 14;
    if (oneOf(pageKind, {16, 20, 21}))
        return 16;
    if (oneOf(pageKind, {18, 19}))
        return 18;
    return pageKind >= 1 && pageKind <= 23 ? pageKind : 0;
}

bool SortRules::isIntegerColumn(int pageKind, int column) {
    switch (comparatorOf(pageKind)) {
    case 4:
        return column == 9;
    case 5:
        return column == 8;
    case 6:
        return column == 6;
    case 18:
        return column >= 0 && column <= 2;
    default:
        return false;
    }
}

SortRules::Mode SortRules::modeOf(int pageKind, bool miniList, int column) {
    if (miniList)
        return column == 2 ? Mode::AfterNumber : Mode::Bytes;
    const int comparator = comparatorOf(pageKind);
    if (comparator == 0 || column < 0 || column >= columnRange(comparator))
        return Mode::Equal;
    return isIntegerColumn(pageKind, column) ? Mode::Integer : Mode::Bytes;
}

int SortRules::compareAs(Mode mode, std::string_view a, std::string_view b) {
    switch (mode) {
    case Mode::Equal:
        return 0;
    case Mode::Integer: {
        const int x = leadingInt(a);
        const int y = leadingInt(b);
        return (x > y) - (x < y);
    }
    case Mode::AfterNumber:
        return sign(afterNumber(a).compare(afterNumber(b)));
    case Mode::Bytes:
        break;
    }
    return sign(a.compare(b)); // char_traits<char> compares as unsigned bytes
}

int SortRules::compare(int pageKind, bool miniList, std::string_view a, std::string_view b, int column,
                       bool ascending) {
    if (!ascending)
        std::swap(a, b);
    return compareAs(modeOf(pageKind, miniList, column), a, b);
}

} // namespace kesto
