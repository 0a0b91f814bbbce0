#include "pages/song_commands.h"

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
#include "pages/page_navigator.h"
#include "pages/page_state.h"
#include "pages/panel_window_ops.h"
#include "protocol/link_commands.h"
#include "protocol/request_sender.h"
#include "protocol/song_command_reply.h"
#include "protocol/web_handoff.h"
#include "songs/list_pages.h"
#include "songs/song_store.h"
#include "songs/startup_values.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kesto {

namespace {
// Entry 42's target: 1 a phone, any other an MP3 player.
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
constexpr std::intptr_t kPlayFlag = 1; // second word of 1133

// A row of the now-playing page: host table A's entry 1 (0, 0), 1133 from that position,
// then entry 2's result.
int playFromNowPlaying(CommandContext& context, int position) {
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

// The entries ticked on the now-playing page.
Selection nowPlayingChoice(const CommandContext& context) {
    Selection chosen;
    if (context.nowPlaying == nullptr)
        return chosen;
    const std::vector<Song> songs = context.nowPlaying->snapshot();
    for (std::size_t i = 0; i < songs.size(); ++i)
        if (songs[i].Marked != 0)
            chosen.add(songs[i], static_cast<int>(i));
    return chosen;
}

// Songs paid for already go straight to the host's download (table A, entry 33).
void handToHost(CommandContext& context, const Selection& chosen) {
    if (chosen.empty())
        return;
    const auto songs = chosen.records();
    if (DeviceHost(context.serviceA).transfer(songs, CommandSettings(context.settings).transferWriteFlag()) &&
        context.hooks.downloadStarted)
        context.hooks.downloadStarted(songs);
}

} // namespace

Selection SongCommands::ticked() const {
    return p_.window->tickedSongs();
}

Selection SongCommands::row(ListRow at) const {
    Selection chosen;
    Song record;
    if (p_.window->recordAt(at.row, record))
        chosen.add(record, at.row);
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
    CommandContext made = p_.context();
    if (!made.hooks.navigateHtml)
        made.hooks.navigateHtml = [window = p_.window](const std::string& address, const std::string& body) {
            if (body.empty())
                window->navigateHtml(address);
            else
                window->postHtml(address, body);
        };
    return made;
}

void SongCommands::addFilesDialog() {
    const CommandContext context = this->context();
    if (context.hooks.addFiles)
        context.hooks.addFiles();
}

void SongCommands::addFolderDialog() {
    const CommandContext context = this->context();
    if (context.hooks.addFolder)
        context.hooks.addFolder();
}

void SongCommands::listen() {
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

void SongCommands::playSongLink(const LinkRequest& link) {
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

void SongCommands::rowListen(ListRow at) {
    CommandContext context = this->context();
    if (context.pageKind == page_kind::kNowPlaying) {
        playFromNowPlaying(context, at.row);
        return;
    }
    ListenCommand(context).run(row(at));
}

void SongCommands::putIntoCart() {
    CommandContext context = this->context();
    CartCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::gift() {
    CommandContext context = this->context();
    GiftCommand(context).run(ticked());
}

void SongCommands::downloadTicked() {
    CommandContext context = this->context();
    DownloadCommand(context).run(ticked());
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
        handToHost(context, ticked());
    else
        DownloadCommand(context).run(ticked(), mode);
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

void SongCommands::buy() {
    CommandContext context = this->context();
    BuyCommand(context).run(ticked());
}

void SongCommands::downloadRow(RowColumn cell) {
    CommandContext context = this->context();
    DownloadCommand(context).run(cell.column > 0 ? row(ListRow{cell.row}) : ticked());
}

void SongCommands::putIntoMyAlbum() {
    CommandContext context = this->context();
    MyAlbumCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::putIntoPlayList() {
    CommandContext context = this->context();
    PlayListCommand(context, CommandOrigin::List).run(ticked());
}

void SongCommands::move() {
    CommandContext context = this->context();
    MoveCommand(context).run(ticked());
}

void SongCommands::deleteChosen() {
    CommandContext context = this->context();
    if (context.pageKind == page_kind::kNowPlaying) {
        if (p_.nowPlayingDelete)
            p_.nowPlayingDelete();
        return;
    }
    DeleteCommand(context).run(ticked());
}

void SongCommands::deleteFromCart() {
    CommandContext context = this->context();
    const Selection chosen = ticked();
    if (!chosen.empty())
        DeleteCommand(context).fromCart(chosen);
}

void SongCommands::rowToCart(ListRow at) {
    CommandContext context = this->context();
    CartCommand(context, CommandOrigin::List).run(row(at));
}

void SongCommands::lyrics(ListRow at) {
    CommandContext context = this->context();
    const Selection chosen = row(at);
    if (!chosen.empty())
        LyricsCommand(context).run(chosen.songs().front().record);
}

void SongCommands::openLyrics(std::string_view songId) {
    CommandContext context = this->context();
    LyricsCommand(context).openPage(songId);
}

void SongCommands::infoPage() {
    CommandContext context = this->context();
    const Selection chosen = firstTicked();
    if (chosen.empty())
        WebHandoff(context.protocol).songInformation(nullptr);
    else
        SongPageCommand(context).run(chosen, SongPageCommand::Page::Information);
}

void SongCommands::rowSongWebPage(ListRow at) {
    CommandContext context = this->context();
    SongPageCommand(context).run(row(at), SongPageCommand::Page::WebPage);
}

void SongCommands::transferTicked(Device device, CommandOrigin origin) {
    CommandContext context = this->context();
    TransferCommand(context, device, origin).run(ticked());
}

void SongCommands::transferToDevice(int target) {
    transferTicked(target == kPhoneTarget ? Device::Phone : Device::Mp3Player, CommandOrigin::List);
}

void SongCommands::transferNowPlaying(Device device) {
    CommandContext context = this->context();
    TransferCommand(context, device, CommandOrigin::NowPlaying).run(nowPlayingChoice(context));
}

void SongCommands::actOnNowPlaying(int action, const std::vector<int>& positions) {
    // The server request asks the shown list again where the user is, as entry 44 does.
    if (action == NowPlayingAction::kServerRequest)
        return p_.pages->fetchShownListPage();
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
