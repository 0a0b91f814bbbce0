#pragma once
// Songs cut or copied from one list of the panel, to be pasted into another. Pasted songs go
// where a drop of them would go, by the rules of the list shown; cut songs leave the list they
// came from once another list has taken them: a local album forgets them, the cart gives them
// up, the now-playing list lets them go. The list of every local song keeps them.

#include "commands/command_context.h"
#include "commands/selection.h"
#include "songs/song.h"

#include <string>
#include <vector>

namespace kesto {

struct PageState;

class SongClipboard {
public:
    // The lists that can give songs up: the ones the panel itself keeps or empties.
    static bool cutsFrom(int pageKind);

    // Keeps copies of the chosen songs and where they came from; an empty choice keeps what
    // the clipboard holds. False when a cut is asked where songs cannot leave.
    bool take(const Selection& chosen, const PageState& from, bool cut);
    bool empty() const { return songs_.empty(); }
    const std::vector<Song>& songs() const { return songs_; }
    // Whether the page shown is the list the songs came from.
    bool cameFrom(const PageState& page) const;
    // Another list took the songs: cut songs leave their own list, and are pasted once.
    void taken(CommandContext& context);

private:
    void leaveSource(CommandContext& context) const;

    std::vector<Song> songs_;
    int pageKind_ = 0;
    int menuId_ = -1;
    std::string parameter_;
    bool cut_ = false;
};

} // namespace kesto
