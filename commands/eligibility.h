#pragma once
// The common order of checks of a song command: an empty choice gets the command's message;
// a song the command never takes stops everything at the first one; songs merely excluded
// are counted; nothing left gets the command's message; some excluded get its question,
// where Cancel stops. Grey songs then follow the grey-item rule, when the command has one.

#include "commands/command_box.h"
#include "commands/grey_item_rule.h"
#include "commands/selection.h"

#include <functional>
#include <optional>

namespace kesto {

// What a command does with one song.
struct Verdict {
    enum class Kind : std::uint8_t { Take, Exclude, Refuse };
    Kind kind = Kind::Take;
    CommandText refusal = CommandText::Count; // Refuse only

    static Verdict take() { return {}; }
    static Verdict exclude() { return {Kind::Exclude, CommandText::Count}; }
    static Verdict refuse(CommandText text) { return {Kind::Refuse, text}; }
    // The rule of the store's own commands: an MP3 bell is refused with bellText (unless
    // bellsAllowed), a local file excluded, a streaming song taken.
    static Verdict streamingOnly(const Song& song, CommandText bellText, bool bellsAllowed = false) {
        if (song.isMp3Bell() && !bellsAllowed)
            return refuse(bellText);
        return song.isLocal() ? exclude() : take();
    }
};

struct EligibilityRules {
    CommandText emptySelection = CommandText::Count;
    // Shown when nothing remains; without it the command ends silently.
    std::optional<CommandText> nothingLeft;
    // Asked when some songs were excluded; without it they drop out silently.
    std::optional<CommandText> someExcluded;
    int someExcludedStyle = mb::kExclamationOkCancel;
    std::function<Verdict(const Song&)> verdict; // empty: every song is taken
    std::optional<GreyItemRule> grey;
};

class Eligibility {
public:
    explicit Eligibility(const CommandBox& box) : box_(box) {}

    // The songs the command goes on with, or nothing when it stops.
    std::optional<Selection> check(const Selection& chosen, const EligibilityRules& rules) const;

private:
    // Steps 2 to 4 on the verdicts; nothing when the command stops.
    std::optional<Selection> sort(const Selection& chosen, const EligibilityRules& rules) const;
    bool nothingLeft(const Selection& left, const EligibilityRules& rules) const;

    const CommandBox& box_;
};

} // namespace kesto
