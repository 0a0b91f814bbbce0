#include "pages/song_commands.h"
#include "songs/list_pages.h"

#include "columns/drop_rules.h"
#include "columns/list_command_ids.h"
#include "commands/buy_command.h"
#include "commands/cart_command.h"
#include "commands/command_settings.h"
#include "commands/delete_command.h"
#include "commands/device_host.h"
#include "commands/download_command.h"
#include "commands/download_request.h"
#include "commands/gift_command.h"
#include "commands/listen_command.h"
#include "commands/lyrics_command.h"
#include "commands/move_command.h"
#include "commands/my_album_command.h"
#include "commands/now_playing_action.h"
#include "commands/play_list_command.h"
#include "commands/song_page_command.h"
#include "commands/song_pricing.h"
#include "commands/transfer_command.h"
#include "pages/page_state.h"
#include "pages/panel_window_ops.h"
#include "pages/song_drops.h"
#include "platform/failure_log.h"
#include "protocol/link_commands.h"
#include "protocol/request_sender.h"
#include "protocol/song_command_reply.h"
#include "protocol/web_handoff.h"
#include "songs/song_store.h"
#include "songs/startup_values.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kesto {

namespace {
constexpr int kPhoneTarget = 1;
constexpr int kDialogPurchase = 0;
constexpr int kDialogGift = 1;

bool giftBoxPage(int pageKind) {
    return pageKind == 10 || pageKind == 11;
}
// The buying history and the received gifts hold songs paid for already.
bool paidPage(int pageKind) {
    return pageKind == 7 || pageKind == 10;
}
constexpr std::intptr_t kPlayFlag = 1; // lParam of 1133
} // namespace

Selection SongCommands::ticked() const {
    return parts().window->tickedSongs();
}

Selection SongCommands::row(int index) const {
    Selection chosen;
    Song record;
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
        made.hooks.navigateHtml = [window = parts().window](const std::string& address,
                                                            const std::string& body) {
            if (body.empty())
                window->navigateHtml(address);
            else
                window->postHtml(address, body);
        };
    return made;
}

void SongCommands::addFilesDialog(W, L) {
    const CommandContext context = this->context();
    if (context.hooks.addFiles)
        context.hooks.addFiles();
}

void SongCommands::addFilesSecond(W, L) {
    const CommandContext context = this->context();
    if (context.hooks.addFolder)
        context.hooks.addFolder();
}

void SongCommands::listenTicked() {
    CommandContext context = this->context();
    ListenCommand(context).run(ticked());
}

void SongCommands::putInto(int commandId, const Selection& chosen) {
    CommandContext context = this->context();
    switch (commandId) {
    case listcmd::kPutPlayList:
        PlayListCommand(context, CommandOrigin::List).run(chosen);
        break;
    case listcmd::kPutMyAlbum:
        MyAlbumCommand(context, CommandOrigin::List).run(chosen);
        break;
    case listcmd::kPutCart:
        CartCommand(context, CommandOrigin::List).run(chosen);
        break;
    case listcmd::kPutGift:
        GiftCommand(context).run(chosen);
        break;
    default:
        break;
    }
}

void SongCommands::playSongLink(const LinkRequest& link, std::string_view) {
    CommandContext context = this->context();
    if (context.nowPlaying == nullptr)
        return;
    const std::string reply =
        RequestSender::send(context.protocol.request, link.request.url, true, link.request.body);
    // The reply names no song id: the record takes the one the link asked for.
    Song base;
    base.setText(SongField::Song_ID, link.songId);
    SongCommandReply::play(context.protocol, reply, base, *context.nowPlaying,
                           CommandSettings(context.settings).hearingAppend());
}

void SongCommands::rowListen(W, L index) {
    CommandContext context = this->context();
    if (context.pageKind == page_kind::kNowPlaying) {
        playFromNowPlaying(context, static_cast<int>(index));
        return;
    }
    ListenCommand(context).run(row(static_cast<int>(index)));
}

int SongCommands::playFromNowPlaying(CommandContext& context, int position) {
    // The store keeps its songs: the host plays on from the chosen one.
    if (context.nowPlaying == nullptr || context.nowPlaying->get(position) == nullptr)
        return 0;
    if (auto before = reinterpret_cast<KestoSvcBeforePlayFn>(
            StartupValues::slot(context.serviceA, KESTO_SVC_A_BEFORE_PLAY)))
        before(0, 0);
    if (context.protocol.port != nullptr)
        context.protocol.port->post(context.protocol.host, KESTO_MSG_PLAY_NOW_PLAYING, position, kPlayFlag);
    auto after = StartupValues::slotAs<KestoSvcIntFn>(context.serviceA, KESTO_SVC_A_AFTER_PLAY);
    return after != nullptr ? after() : 0;
}

void SongCommands::putIntoCart(W, L) {
    CommandContext context = this->context();
    CartCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::gift(W, L) {
    CommandContext context = this->context();
    GiftCommand(context).run(ticked());
}

void SongCommands::downloadTicked(int mode) {
    CommandContext context = this->context();
    DownloadCommand(context).run(ticked(), mode);
}

void SongCommands::downloadChosen() {
    downloadOrHandOver(paidPage, DownloadRequest::kIntoPlayList);
}

void SongCommands::downloadGifts() {
    downloadOrHandOver(giftBoxPage, DownloadRequest::kHostAsked);
}

void SongCommands::downloadOrHandOver(bool (*paidHere)(int pageKind), int mode) {
    CommandContext context = this->context();
    if (paidHere(context.pageKind))
        handToHost(context);
    else
        DownloadCommand(context).run(ticked(), mode);
}

void SongCommands::handToHost(CommandContext& context) const {
    const Selection chosen = ticked();
    if (chosen.empty())
        return;
    const auto songs = chosen.records();
    if (DeviceHost(context.serviceA).transfer(songs, CommandSettings(context.settings).transferWriteFlag()) &&
        context.hooks.downloadStarted)
        context.hooks.downloadStarted(songs);
}

void SongCommands::openDialog(int kind, std::string_view ids) {
    CommandContext context = this->context();
    Selection songs;
    int position = 0;
    for (std::size_t start = 0; start < ids.size();) {
        const std::size_t end = std::min(ids.find(';', start), ids.size());
        if (end > start) {
            Song song;
            song.setText(SongField::Song_ID, ids.substr(start, end - start));
            songs.add(song, position++);
        }
        start = end + 1;
    }
    if (songs.empty())
        return;
    if (kind != kDialogPurchase && kind != kDialogGift) {
        DownloadCommand(context).run(songs, DownloadRequest::kIntoPlayList);
        return;
    }
    const auto kindOfPrice = kind == kDialogGift ? SongPricing::Kind::Gift : SongPricing::Kind::DirectBuy;
    const auto prices = SongPricing(context.protocol).price(songs, kindOfPrice);
    if (!prices)
        return;
    if (kind == kDialogGift && context.hooks.giftDialog)
        context.hooks.giftDialog(songs.records(), *prices);
    else if (kind == kDialogPurchase && context.hooks.purchaseDialog)
        context.hooks.purchaseDialog(songs.records(), *prices, BuyCommand::kBuyOnly, {});
}

void SongCommands::buy(W, L) {
    CommandContext context = this->context();
    BuyCommand(context).run(ticked());
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
    if (context.pageKind == page_kind::kNowPlaying) {
        if (nowPlayingDelete_)
            nowPlayingDelete_();
        return;
    }
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

Selection SongCommands::nowPlayingChoice(const CommandContext& context) const {
    Selection chosen;
    if (context.nowPlaying == nullptr)
        return chosen;
    const std::vector<Song> songs = context.nowPlaying->snapshot();
    for (std::size_t i = 0; i < songs.size(); ++i)
        if (songs[i].Marked != 0)
            chosen.add(songs[i], static_cast<int>(i));
    return chosen;
}

void SongCommands::nowPlayingToPhone(W, L) {
    CommandContext context = this->context();
    TransferCommand(context, Device::Phone, CommandOrigin::NowPlaying).run(nowPlayingChoice(context));
}

void SongCommands::nowPlayingToMp3Player(W, L) {
    CommandContext context = this->context();
    TransferCommand(context, Device::Mp3Player, CommandOrigin::NowPlaying).run(nowPlayingChoice(context));
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

bool SongCommands::canCut() const {
    return SongClipboard::cutsFrom(parts().state->pageKind);
}

bool SongCommands::canPaste() const {
    const PageState& shown = *parts().state;
    return !clipboard_.empty() && !clipboard_.cameFrom(shown) &&
           DropRules::songAction(shown.pageKind) != SongDropAction::Nothing;
}

void SongCommands::cut() {
    clipboard_.take(ticked(), *parts().state, true);
}

void SongCommands::copy() {
    clipboard_.take(ticked(), *parts().state, false);
}

void SongCommands::paste() {
    if (!canPaste() || drops_ == nullptr)
        return;
    if (drops_->songs(clipboard_.songs())) {
        CommandContext context = this->context();
        clipboard_.taken(context);
    }
}

void SongCommands::localAlbumRows(W, L) {
    if (parts().state->pageKind != page_kind::kLocalMyAlbum)
        return FailureLog::write(LogCategory::Pages, "1090 outside the local my albums: nothing done");
    cut();
}

void SongCommands::cartRows(W, L) {
    const int kind = parts().state->pageKind;
    if (kind != page_kind::kCart && kind != page_kind::kMusicVideoCart)
        return FailureLog::write(LogCategory::Pages, "1091 outside the carts: nothing done");
    copy();
}

void SongCommands::nowPlayingAction(int action, const std::vector<int>& positions) {
    // The server request asks the shown list again where the user is, as entry 44 does.
    if (action == NowPlayingAction::kServerRequest)
        return genericRequest(0, 0);
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
