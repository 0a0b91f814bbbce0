#include "pages/song_commands.h"

#include "commands/cart_command.h"
#include "commands/delete_command.h"
#include "commands/download_command.h"
#include "commands/gift_command.h"
#include "commands/listen_command.h"
#include "commands/lyrics_command.h"
#include "commands/move_command.h"
#include "commands/my_album_command.h"
#include "commands/now_playing_action.h"
#include "commands/play_list_command.h"
#include "commands/song_page_command.h"
#include "commands/transfer_command.h"
#include "pages/panel_window_ops.h"
#include "protocol/web_handoff.h"
#include "songs/song_store.h"

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

Selection SongCommands::firstTicked() const {
    const Selection all = ticked();
    Selection first;
    if (!all.empty())
        first.add(all.songs().front().record, all.songs().front().position);
    return first;
}

CommandContext SongCommands::context() const {
    CommandContext made = context_();
    if (!made.hooks.navigateHtml)
        made.hooks.navigateHtml = [window = parts().window](const std::string& address) {
            window->navigateHtml(address);
        };
    return made;
}

void SongCommands::listenTicked() {
    CommandContext context = this->context();
    ListenCommand(context).run(ticked());
}

void SongCommands::rowListen(W, L index) {
    CommandContext context = this->context();
    ListenCommand(context).run(row(static_cast<int>(index)));
}

void SongCommands::putIntoCart(W, L) {
    CommandContext context = this->context();
    CartCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::gift(W, L) {
    CommandContext context = this->context();
    GiftCommand(context).run(ticked());
}

void SongCommands::download(W, L) {
    CommandContext context = this->context();
    DownloadCommand(context).run(ticked());
}

void SongCommands::downloadRow(W index, L column) {
    // A download cell (never the state column 0) names its row; the menu downloads the chosen rows.
    CommandContext context = this->context();
    DownloadCommand(context).run(column > 0 ? row(static_cast<int>(index)) : ticked());
}

void SongCommands::putIntoMyAlbum(W, L) {
    CommandContext context = this->context();
    MyAlbumCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::putIntoPlayList(W, L) {
    CommandContext context = this->context();
    PlayListCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::move(W, L) {
    CommandContext context = this->context();
    MoveCommand(context).run(ticked());
}

void SongCommands::deleteChosen(W, L) {
    CommandContext context = this->context();
    DeleteCommand(context).run(ticked());
}

void SongCommands::toPhone(W, L) {
    CommandContext context = this->context();
    TransferCommand(context, Device::Phone, CommandOrigin::List).run(ticked());
}

void SongCommands::toMp3Player(W, L) {
    CommandContext context = this->context();
    TransferCommand(context, Device::Mp3Player, CommandOrigin::List).run(ticked());
}

void SongCommands::toMp3PlayerFromList(W, L) {
    CommandContext context = this->context();
    TransferCommand(context, Device::Mp3Player, CommandOrigin::PanelMessage).run(ticked());
}

void SongCommands::deleteFromCart(W, L) {
    CommandContext context = this->context();
    const Selection chosen = ticked();
    if (!chosen.empty())
        DeleteCommand(context).fromCart(chosen);
}

void SongCommands::rowToCart(W index, L) {
    CommandContext context = this->context();
    CartCommand(context, CommandOrigin::List).run(row(static_cast<int>(index)));
}

void SongCommands::lyrics(W, L index) {
    CommandContext context = this->context();
    const Selection chosen = row(static_cast<int>(index));
    if (!chosen.empty())
        LyricsCommand(context).run(chosen.songs().front().record);
}

void SongCommands::rowLyrics(W index, L) {
    CommandContext context = this->context();
    const Selection chosen = row(static_cast<int>(index));
    if (!chosen.empty())
        LyricsCommand(context).run(chosen.songs().front().record);
}

void SongCommands::openLyricsPage(std::string_view songId) {
    CommandContext context = this->context();
    LyricsCommand(context).openPage(songId);
}

void SongCommands::infoPage(W, L) {
    CommandContext context = this->context();
    const Selection chosen = firstTicked();
    if (chosen.empty())
        WebHandoff(context.protocol).songInformation(nullptr);
    else
        SongPageCommand(context).run(chosen, SongPageCommand::Page::Information);
}

void SongCommands::rowSongWebPage(W, L index) {
    CommandContext context = this->context();
    SongPageCommand(context).run(row(static_cast<int>(index)), SongPageCommand::Page::WebPage);
}

void SongCommands::transfer(int target) {
    CommandContext context = this->context();
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
    CommandContext context = this->context();
    NowPlayingAction::run(context, action, words.data());
}

} // namespace kesto
