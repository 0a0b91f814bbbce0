#include "commands/download_request.h"

#include "commands/command_settings.h"
#include "commands/grey_item_rule.h"
#include "commands/song_id_list.h"
#include "commands/song_pricing.h"
#include "commands/wait_cursor.h"
#include "protocol/protocol_url.h"
#include "protocol/reply_fields.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"

#include <algorithm>

namespace kesto {

bool DownloadRequest::run(const Selection& chosen, int mode, const std::string& intoAlbum) const {
    const CommandBox box(context_.protocol.box);
    if (!countsAllowed(box, chosen))
        return false;
    Selection songs = chosen;
    const auto grey = GreyItemRule::downloadRule(context_.pageKind, CommandText::DownloadGreyQuestion);
    if (!grey.apply(box, songs))
        return false;
    if (songs.empty()) {
        // Every chosen song is stopped by the service: say so rather than end without a word.
        box.stop(CommandText::GreyShortNotice);
        return false;
    }
    const CommandHooks& hooks = context_.hooks;
    if (CommandSettings(context_.settings).showDcfInfo() && hooks.dcfNotice && !hooks.dcfNotice())
        return false;
    if (!askSongs(box, songs))
        return false;
    const auto prices = [&] {
        const WaitCursor wait(hooks.waitCursor);
        return SongPricing(context_.protocol).price(songs, SongPricing::Kind::DirectBuy);
    }();
    if (!prices)
        return false;
    if (hooks.purchaseDialog)
        hooks.purchaseDialog(songs.records(), *prices, mode, intoAlbum);
    return true;
}

bool DownloadRequest::countsAllowed(const CommandBox& box, const Selection& songs) const {
    const auto& chosen = songs.songs();
    const auto albums = std::count_if(chosen.begin(), chosen.end(), [](const ChosenSong& song) {
        return song.record.Item_Type == kAlbumItem;
    });
    const auto singles = static_cast<std::ptrdiff_t>(chosen.size()) - albums;
    if (albums > 1) {
        box.stop(CommandText::TooManyAlbums);
        return false;
    }
    if (albums == 1 && singles > 0) {
        box.stop(CommandText::AlbumWithSongs);
        return false;
    }
    if (singles > kMaxSongs) {
        box.stop(CommandText::TooManySongs);
        return false;
    }
    return true;
}

bool DownloadRequest::askSongs(const CommandBox& box, const Selection& songs) const {
    const LoginBlock& login = *context_.protocol.login;
    RequestBody body(login);
    SongIdList::append(body, songs);
    const auto reply = RequestSender::exchange(context_.protocol.request,
                                               ProtocolUrl::command(login, proto::kSong), true, body.text());
    if (!reply)
        return false;
    if (ReplyFields(*reply).code() < 0) {
        box.stop(CommandText::ServerTrouble);
        return false;
    }
    return true;
}

} // namespace kesto
