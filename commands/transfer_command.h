#pragma once
// Transfer to a device (phone or MP3 player): the device must be connected; MP3 bells and
// local files other than dcf and bell files are refused; streaming songs not yet on this PC
// are offered for download first. When every song can be sent, the host gets the list with
// the write flag of FileSkipWrite.

#include "commands/command_box.h"
#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"

namespace kesto {

enum class Device : std::uint8_t { Phone, Mp3Player };

class TransferCommand {
public:
    TransferCommand(CommandContext& context, Device device, CommandOrigin origin)
        : context_(context), device_(device), origin_(origin) {}

    // True when the host was handed the items.
    bool run(const Selection& chosen) const;

    // Local files a device takes: dcf (3, 4) and bell (9) files.
    static bool deviceFormat(const Song& song);

private:
    bool deviceReady(const CommandBox& box) const;
    // Offers the download of streaming songs not on this PC; true when there were none.
    bool allOnThisPc(const CommandBox& box, const Selection& songs) const;

    CommandContext& context_;
    Device device_;
    CommandOrigin origin_;
};

} // namespace kesto
