#pragma once
// Put into the cart: streaming songs only. From the list, left-out local files get a notice
// and the command goes on; from the now-playing list they get a question. The song ids go to
// the server with "addToCart"; on success the user may go to the cart page.

#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"
#include "songs/list_pages.h"

namespace kesto {

class CartCommand {
public:
    // The cart page and the view mode it is shown in.
    static constexpr int kCartMenu = menu::kCart;
    static constexpr int kCartViewMode = 2;

    CartCommand(CommandContext& context, CommandOrigin origin) : context_(context), origin_(origin) {}

    // True when the server took the songs.
    bool run(const Selection& chosen) const;

private:
    CommandContext& context_;
    CommandOrigin origin_;
};

} // namespace kesto
