#pragma once
// Listen: the chosen songs go into the now-playing store (after its entries, or in their
// place unless HearingAppend is set) and the host is told to play from the first of them.

#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class ListenCommand {
public:
    explicit ListenCommand(CommandContext& context) : context_(context) {}

    // True when songs were added and message 1133 was posted.
    bool run(const Selection& chosen) const;

private:
    CommandContext& context_;
};

} // namespace kesto
