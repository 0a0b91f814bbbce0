#pragma once
// Download: streaming songs only (MP3 bells refused outside the MP3-bell list, local files
// excluded), then the download request.

#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class DownloadCommand {
public:
    // Menu parameter of the MP3-bell download list, where bells may be taken.
    static constexpr std::string_view kBellList = "238";

    explicit DownloadCommand(CommandContext& context) : context_(context) {}

    // True when the purchase dialog was reached.
    bool run(const Selection& chosen, int mode = 0) const;

private:
    CommandContext& context_;
};

} // namespace kesto
