#pragma once
// Buy (the two purchase buttons): the ticked streaming songs, local files left out with a
// notice, priced for a direct purchase, then the purchase dialog without a download.

#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class BuyCommand {
public:
    // The purchase dialog's mode of a plain purchase (the download modes are 0 to 2).
    static constexpr int kBuyOnly = -1;

    explicit BuyCommand(CommandContext& context) : context_(context) {}

    // True when the purchase dialog was reached.
    bool run(const Selection& chosen) const;

private:
    CommandContext& context_;
};

} // namespace kesto
