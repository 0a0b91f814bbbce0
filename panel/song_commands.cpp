#include "panel/song_commands.h"

#include "panel/cart_command.h"
#include "panel/delete_command.h"
#include "panel/download_command.h"
#include "panel/gift_command.h"
#include "panel/listen_command.h"
#include "panel/move_command.h"
#include "panel/my_album_command.h"
#include "panel/now_playing_action.h"
#include "panel/panel_window_ops.h"
#include "panel/play_list_command.h"
#include "panel/transfer_command.h"

#include <cstdint>
#include <limits>

namespace kesto {

namespace {
constexpr int kPhoneTarget = 1;
}

Selection SongCommands::ticked() const {
    return parts().window->tickedSongs();
}

Selection SongCommands::row(int index) const {
    Selection chosen;
    SongRecord record = SongRecord::make();
    if (parts().window->recordAt(index, record))
        chosen.add(record, index);
    return chosen;
}

void SongCommands::listenTicked() {
    CommandContext context = context_();
    ListenCommand(context).run(ticked());
}

void SongCommands::rowListen(W, L index) {
    CommandContext context = context_();
    ListenCommand(context).run(row(static_cast<int>(index)));
}

void SongCommands::putIntoCart(W, L) {
    CommandContext context = context_();
    CartCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::gift(W, L) {
    CommandContext context = context_();
    GiftCommand(context).run(ticked());
}

void SongCommands::download(W, L) {
    CommandContext context = context_();
    DownloadCommand(context).run(ticked());
}

void SongCommands::downloadRow(W index, L) {
    CommandContext context = context_();
    DownloadCommand(context).run(row(static_cast<int>(index)));
}

void SongCommands::putIntoMyAlbum(W, L) {
    CommandContext context = context_();
    MyAlbumCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::putIntoPlayList(W, L) {
    CommandContext context = context_();
    PlayListCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::move(W, L) {
    CommandContext context = context_();
    MoveCommand(context).run(ticked());
}

void SongCommands::deleteChosen(W, L) {
    CommandContext context = context_();
    DeleteCommand(context).run(ticked());
}

void SongCommands::toPhone(W, L) {
    CommandContext context = context_();
    TransferCommand(context, Device::Phone, CommandOrigin::List).run(ticked());
}

void SongCommands::toMp3Player(W, L) {
    CommandContext context = context_();
    TransferCommand(context, Device::Mp3Player, CommandOrigin::List).run(ticked());
}

void SongCommands::toMp3PlayerFromList(W, L) {
    CommandContext context = context_();
    TransferCommand(context, Device::Mp3Player, CommandOrigin::PanelMessage).run(ticked());
}

void SongCommands::transfer(int target) {
    CommandContext context = context_();
    TransferCommand(context, target == kPhoneTarget ? Device::Phone : Device::Mp3Player, CommandOrigin::List)
        .run(ticked());
}

void SongCommands::nowPlayingAction(int action, const std::vector<int>& positions) {
    // The word array of the host: the count, then the positions.
    std::vector<std::uint16_t> words{static_cast<std::uint16_t>(positions.size())};
    for (const int position : positions)
        if (position >= 0 && position <= std::numeric_limits<std::uint16_t>::max())
            words.push_back(static_cast<std::uint16_t>(position));
    words[0] = static_cast<std::uint16_t>(words.size() - 1);
    CommandContext context = context_();
    NowPlayingAction::run(context, action, words.data());
}

} // namespace kesto
