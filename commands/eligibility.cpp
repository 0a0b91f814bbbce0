#include "commands/eligibility.h"

namespace kesto {

std::optional<Selection> Eligibility::check(const Selection& chosen, const EligibilityRules& rules) const {
    if (chosen.empty()) {
        box_.stop(rules.emptySelection);
        return std::nullopt;
    }
    auto left = sort(chosen, rules);
    if (!left)
        return std::nullopt;
    if (rules.grey && !rules.grey->apply(box_, *left))
        return std::nullopt;
    if (nothingLeft(*left, rules))
        return std::nullopt;
    return left;
}

std::optional<Selection> Eligibility::sort(const Selection& chosen, const EligibilityRules& rules) const {
    Selection left;
    std::size_t excluded = 0;
    for (const ChosenSong& song : chosen.songs()) {
        const Verdict verdict = rules.verdict ? rules.verdict(song.record) : Verdict::take();
        if (verdict.kind == Verdict::Kind::Refuse) {
            box_.stop(verdict.refusal);
            return std::nullopt;
        }
        if (verdict.kind == Verdict::Kind::Exclude)
            ++excluded;
        else
            left.add(song.record, song.position);
    }
    if (excluded == 0)
        return left;
    if (nothingLeft(left, rules))
        return std::nullopt;
    if (!rules.someExcluded)
        return left;
    const int answer = box_.show(*rules.someExcluded, rules.someExcludedStyle);
    if (answer == mb::kCancel || answer == mb::kNo)
        return std::nullopt;
    return left;
}

bool Eligibility::nothingLeft(const Selection& left, const EligibilityRules& rules) const {
    if (!left.empty())
        return false;
    if (rules.nothingLeft)
        box_.stop(*rules.nothingLeft);
    return true;
}

} // namespace kesto
