#pragma once
// Songs the service has stopped (grey items). On the buying-history pages the user is told:
// an all-grey choice gets the page's notice and stops, a partly grey one gets the command's
// question. Everywhere else grey songs drop out without a word.

#include "commands/command_box.h"
#include "commands/selection.h"

#include <optional>

namespace kesto {

class GreyItemRule {
public:
    // Page kinds of the buying history.
    static constexpr int kBoughtSongs = 7;
    static constexpr int kBoughtFiles = 8;

    // The rule of most commands: notices on page kinds 7 and 8. Without a question a partly
    // grey choice drops its grey songs silently.
    GreyItemRule(int pageKind, std::optional<CommandText> question);
    // The download request's rule: only page kind 8 tells the user.
    static GreyItemRule downloadRule(int pageKind, CommandText question);

    // Takes the grey songs out; false when the command stops here.
    bool apply(const CommandBox& box, Selection& songs) const;

    // The all-grey notice of a page kind, or nothing where grey songs pass silently.
    std::optional<CommandText> notice() const;

private:
    int pageKind_;
    std::optional<CommandText> question_;
    bool kind7Notice_ = true;
};

} // namespace kesto
