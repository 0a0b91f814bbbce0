#pragma once
// Gift: streaming songs only (MP3 bells refused, local files excluded, grey songs by the
// grey-item rule). The server prices the songs; a failure goes to the host (1142), otherwise
// the gift dialog opens with the prices.

#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"

namespace kesto {

class GiftCommand {
public:
    explicit GiftCommand(CommandContext& context) : context_(context) {}

    // True when the gift dialog was reached.
    bool run(const Selection& chosen) const;

private:
    CommandContext& context_;
};

} // namespace kesto
