#pragma once
// Move: refused when a grey song is among the ticked rows; the on-line my-album pages move on
// the server, the local my-album pages through the move dialog.

#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class MoveCommand {
public:
    explicit MoveCommand(CommandContext& context) : context_(context) {}

    // True when a move dialog was reached.
    bool run(const Selection& chosen) const;

private:
    CommandContext& context_;
};

} // namespace kesto
