#include "commands/now_playing_action.h"

#include "commands/cart_command.h"
#include "commands/download_command.h"
#include "commands/gift_command.h"
#include "commands/my_album_command.h"
#include "commands/play_list_command.h"
#include "commands/song_page_command.h"
#include "commands/transfer_command.h"
#include "songs/song_store.h"

namespace kesto {

bool NowPlayingAction::run(CommandContext& context, int action, const std::uint16_t* positions) {
    if (context.nowPlaying == nullptr)
        return false;
    const Selection chosen = Selection::fromNowPlaying(*context.nowPlaying, positions);
    constexpr auto origin = CommandOrigin::NowPlaying;
    switch (action) {
    case kCart:
        return CartCommand(context, origin).run(chosen);
    case kPlayList:
        return PlayListCommand(context, origin).run(chosen);
    case kMyAlbum:
        return MyAlbumCommand(context, origin).run(chosen);
    case kGift:
        return GiftCommand(context).run(chosen);
    case kDownload:
        return DownloadCommand(context).run(chosen);
    case kPhone:
        return TransferCommand(context, Device::Phone, origin).run(chosen);
    case kMp3Player:
        return TransferCommand(context, Device::Mp3Player, origin).run(chosen);
    case kSongInformation:
        return SongPageCommand(context).run(chosen, SongPageCommand::Page::Information);
    case kSongWebPage:
        return SongPageCommand(context).run(chosen, SongPageCommand::Page::WebPage);
    default:
        return false;
    }
}

} // namespace kesto
