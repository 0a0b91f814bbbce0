#include "links/title_links.h"

#include <limits>

namespace kesto {
namespace {

constexpr char kSeparator = '|';

std::vector<std::string_view> splitFields(std::string_view title) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = title.find(kSeparator, start);
        if (bar == std::string_view::npos) {
            fields.push_back(title.substr(start));
            return fields;
        }
        fields.push_back(title.substr(start, bar - start));
        start = bar + 1;
    }
}

// Leading blanks, an optional sign, then digits; stops at the first other character and
// saturates instead of overflowing.
long long countOf(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    constexpr long long kMax = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > kMax)
            value = kMax;
    }
    return negative ? -value : value;
}

} // namespace

TitleLinks TitleLinks::parse(std::string_view title) {
    TitleLinks result;
    const std::vector<std::string_view> fields = splitFields(title);
    result.declared_ = countOf(fields.front());
    for (long long i = 0; i < result.declared_; ++i) {
        const std::size_t textIndex = 1 + 2 * static_cast<std::size_t>(i);
        if (textIndex >= fields.size())
            break;
        const std::size_t linkIndex = textIndex + 1;
        result.pairs_.push_back({std::string(fields[textIndex]),
                                 linkIndex < fields.size() ? std::string(fields[linkIndex]) : std::string()});
    }
    return result;
}

std::optional<TitleLink> TitleLinks::last() const {
    if (pairs_.empty())
        return std::nullopt;
    return pairs_.back();
}

} // namespace kesto
