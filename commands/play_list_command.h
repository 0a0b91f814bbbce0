#pragma once
// Put into a play list: local PC files only (streaming songs excluded); the play-list dialog
// puts them, and a local my-album page is shown again afterwards.

#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"

namespace kesto {

class PlayListCommand {
public:
    PlayListCommand(CommandContext& context, CommandOrigin origin) : context_(context), origin_(origin) {}

    // True when the dialog was opened.
    bool run(const Selection& chosen) const;

private:
    CommandContext& context_;
    CommandOrigin origin_;
};

} // namespace kesto
