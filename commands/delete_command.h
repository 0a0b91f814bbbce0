#pragma once
// Delete: what goes depends on the page. Cart pages ask the server, device lists hand their
// paths to the host, the download storage removes the files after a question, the on-line my
// album asks the server and the local my album the database (each behind the delete
// confirmation where ShowDeleteBox says so). A deleted song also leaves the now-playing list.

#include "commands/command_context.h"
#include "commands/selection.h"

namespace kesto {

class DeleteCommand {
public:
    explicit DeleteCommand(CommandContext& context) : context_(context) {}

    // True when something was deleted.
    bool run(const Selection& chosen) const;
    // The ticked rows of a cart page leave the cart; the cart is shown again.
    bool fromCart(const Selection& chosen) const;

    static bool isCartPage(int pageKind);
    static bool isDevicePage(int pageKind);

private:
    bool fromDevice(const Selection& chosen) const;
    bool fromStorage(const Selection& chosen) const;
    bool fromOnlineAlbum(const Selection& chosen) const;
    bool fromLocalAlbum(const Selection& chosen) const;
    // The delete confirmation, unless ShowDeleteBox turned it off.
    bool confirmed() const;
    void leaveNowPlaying(const Selection& deleted) const;
    void reshow() const;

    CommandContext& context_;
};

} // namespace kesto
