#pragma once
// The links a service page announces in its title for the panel's link label: the title is
// cut at every '|'; the first field counts the pairs, the next fields are (text, link) pairs.
// Titles come from pages, so any count is taken as a claim that the fields must back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

struct TitleLink {
    std::string text;
    std::string link;

    bool operator==(const TitleLink&) const = default;
};

class TitleLinks {
public:
    static TitleLinks parse(std::string_view title);

    // The count as the title wrote it (a number prefix; 0 when there is none).
    long long declaredCount() const { return declared_; }
    // The pairs the title holds, at most the declared count; a last pair whose link field is
    // missing keeps its text with an empty link.
    const std::vector<TitleLink>& pairs() const { return pairs_; }
    // What the link label shows: the last pair, or nothing.
    std::optional<TitleLink> last() const;

private:
    long long declared_ = 0;
    std::vector<TitleLink> pairs_;
};

} // namespace kesto
