#include "pages/dispatch_table.h"

#include "pages/message_shapes.h"
#include "pages/page_navigator.h"
#include "pages/panel_window_ops.h"
#include "pages/row_web_pages.h"
#include "pages/song_commands.h"
#include "pages/song_drops.h"
#include "songs/panel_messages.h"

#include <algorithm>
#include <array>

namespace kesto {

namespace {

using S = MessageSource;
using P = PanelParts;
using M = MessageWords;

constexpr DispatchEntry on(S source, unsigned id, DispatchEntry::Run run) {
    return {source, id, run};
}

constexpr unsigned c(int id) {
    return static_cast<unsigned>(id);
}

int number(std::intptr_t word) {
    return static_cast<int>(word);
}

// Which word carries the row is the message's own: the list control and the host post it so.
ListRow rowInFirst(M m) {
    return {number(m.first)};
}

ListRow rowInSecond(M m) {
    return {number(m.second)};
}

const char* textOf(std::intptr_t word) {
    return reinterpret_cast<const char*>(word);
}

const std::array kTable = {
    on(S::Window, msg::kWindowSize, [](P& p, M) { p.window.layOut(); }),
    on(S::Window, msg::kWindowTimer, [](P& p, M m) { p.window.timerFired(TimerId{number(m.first)}); }),

    on(S::Command, c(cmd::kSearch), [](P& p, M) { p.pages.search(); }),
    on(S::Command, c(cmd::kArtistIndex), [](P& p, M) { p.web.artistIndex(); }),
    on(S::Command, c(cmd::kPreviousPage), [](P& p, M) { p.pages.step(false); }),
    on(S::Command, c(cmd::kNextPage), [](P& p, M) { p.pages.step(true); }),
    on(S::Command, c(cmd::kStartPage), [](P& p, M) { p.pages.startPage(); }),
    on(S::Command, c(cmd::kToListControl), [](P& p, M) { p.pages.toListControl(); }),
    on(S::Command, c(cmd::kListen), [](P& p, M) { p.songs.listen(); }),
    on(S::Command, c(cmd::kNothing), [](P&, M) {}),
    on(S::Command, c(cmd::kCart), [](P& p, M) { p.songs.putIntoCart(); }),
    on(S::Command, c(cmd::kGift), [](P& p, M) { p.songs.gift(); }),
    on(S::Command, c(cmd::kDownload), [](P& p, M) { p.songs.downloadTicked(); }),
    on(S::Command, c(cmd::kDeleteFromCart), [](P& p, M) { p.songs.deleteFromCart(); }),
    on(S::Command, c(cmd::kMyAlbum), [](P& p, M) { p.songs.putIntoMyAlbum(); }),
    on(S::Command, c(cmd::kPlayList), [](P& p, M) { p.songs.putIntoPlayList(); }),
    on(S::Command, c(cmd::kBuy), [](P& p, M) { p.songs.buy(); }),
    on(S::Command, c(cmd::kBuy2), [](P& p, M) { p.songs.buy(); }),
    on(S::Command, c(cmd::kMove), [](P& p, M) { p.songs.move(); }),
    on(S::Command, c(cmd::kNextListPage), [](P& p, M) { p.pages.nextListPage(); }),
    on(S::Command, c(cmd::kPreviousListPage), [](P& p, M) { p.pages.previousListPage(); }),
    on(S::Command, c(cmd::kToPhone),
       [](P& p, M) { p.songs.transferTicked(Device::Phone, CommandOrigin::List); }),
    on(S::Command, c(cmd::kToMp3Player),
       [](P& p, M) { p.songs.transferTicked(Device::Mp3Player, CommandOrigin::List); }),

    on(S::Panel, msg::kNothing, [](P&, M) {}),
    on(S::Panel, msg::kGenericRequest, [](P& p, M) { p.pages.fetchShownListPage(); }),
    on(S::Panel, msg::kLyrics, [](P& p, M m) { p.songs.lyrics(rowInSecond(m)); }),
    on(S::Panel, msg::kNowPlayingToPhone, [](P& p, M) { p.songs.transferNowPlaying(Device::Phone); }),
    on(S::Panel, msg::kNowPlayingToMp3Player, [](P& p, M) { p.songs.transferNowPlaying(Device::Mp3Player); }),
    on(S::Panel, msg::kAddFilesDialog, [](P& p, M) { p.songs.addFilesDialog(); }),
    on(S::Panel, msg::kAddFilesSecond, [](P& p, M) { p.songs.addFolderDialog(); }),
    on(S::Panel, msg::kLocalAlbumRows, [](P& p, M) { p.drops.cutOnLocalAlbum(); }),
    on(S::Panel, msg::kCartRows, [](P& p, M) { p.drops.copyOnCart(); }),
    on(S::Panel, msg::kAddToOnlineAlbum, [](P& p, M) { p.songs.putIntoMyAlbum(); }),
    on(S::Panel, msg::kDownloadRow,
       [](P& p, M m) {
           p.songs.downloadRow(RowColumn{number(m.first), number(m.second)});
       }),
    on(S::Panel, msg::kChosenGiftMessagePage, [](P& p, M) { p.web.chosenGiftMessagePage(); }),
    on(S::Panel, msg::kDeviceDelete, [](P& p, M) { p.songs.deleteChosen(); }),
    on(S::Panel, msg::kReloadPage, [](P& p, M) { p.pages.reloadPage(); }),
    on(S::Panel, msg::kNextListPage,
       [](P& p, M m) { p.pages.showNextListPage(PageNumber{number(m.first)}); }),
    on(S::Panel, msg::kPreviousListPage,
       [](P& p, M m) { p.pages.showPreviousListPage(PageNumber{number(m.first)}); }),
    on(S::Panel, msg::kToListControl, [](P& p, M) { p.pages.toListControl(); }),
    on(S::Panel, msg::kPhoneDecoPage, [](P& p, M m) { p.web.phoneDecoPage(rowInFirst(m)); }),
    on(S::Panel, msg::kRowToCart, [](P& p, M m) { p.songs.rowToCart(rowInFirst(m)); }),
    on(S::Panel, msg::kRowLyrics, [](P& p, M m) { p.songs.lyrics(rowInFirst(m)); }),
    on(S::Panel, msg::kRowMusicVideo, [](P& p, M m) { p.web.musicVideoOfRow(rowInFirst(m)); }),
    on(S::Panel, msg::kGiftMessagePage, [](P& p, M m) { p.web.giftMessagePage(rowInFirst(m)); }),
    on(S::Panel, msg::kArtistPage, [](P& p, M m) { p.pages.artistPage(rowInFirst(m)); }),
    on(S::Panel, msg::kAlbumPage, [](P& p, M m) { p.pages.albumPage(rowInFirst(m)); }),
    on(S::Panel, msg::kRowListen, [](P& p, M m) { p.songs.rowListen(rowInSecond(m)); }),
    // The play-state icon of a row: the row is listened to as a double click does.
    on(S::Panel, msg::kStateIconListen, [](P& p, M m) { p.songs.rowListen(rowInFirst(m)); }),
    on(S::Panel, msg::kDelete, [](P& p, M) { p.songs.deleteChosen(); }),
    on(S::Panel, msg::kLocalPageReady,
       [](P& p, M m) {
           p.pages.localPageReady(LocalPageDone{number(m.first), number(m.second)});
       }),
    on(S::Panel, msg::kToPhone, [](P& p, M) { p.songs.transferTicked(Device::Phone, CommandOrigin::List); }),
    on(S::Panel, msg::kToMp3Player,
       [](P& p, M) { p.songs.transferTicked(Device::Mp3Player, CommandOrigin::PanelMessage); }),
    on(S::Panel, msg::kUpdateAndReload,
       [](P& p, M m) {
           p.pages.updateAndReload(ReloadAsk{m.first, m.second});
       }),
    on(S::Panel, msg::kInfoPage, [](P& p, M) { p.songs.infoPage(); }),
    on(S::Panel, msg::kRowSongWebPage, [](P& p, M m) { p.songs.rowSongWebPage(rowInSecond(m)); }),
    on(S::Panel, msg::kPhoneDecoWithTransaction,
       [](P& p, M m) { p.web.phoneDecoWithTransaction(rowInFirst(m)); }),
    on(S::Panel, msg::kMusicVideoPage, [](P& p, M m) { p.web.musicVideoPage(rowInFirst(m)); }),
    on(S::Panel, msg::kMvDownloadPage, [](P& p, M m) { p.web.musicVideoDownloadPage(rowInFirst(m)); }),
    on(S::Panel, msg::kMvDownloadPage2, [](P& p, M m) { p.web.musicVideoDownloadPage(rowInFirst(m)); }),
    on(S::Panel, msg::kPostFormToHtmlView,
       [](P& p, M m) {
           p.web.postForm(HtmlForm{textOf(m.first), textOf(m.second)});
       }),
};

} // namespace

std::span<const DispatchEntry> DispatchTable::entries() {
    return kTable;
}

const DispatchEntry* DispatchTable::find(MessageSource source, unsigned id) {
    const auto* it = std::ranges::find_if(
        kTable, [&](const DispatchEntry& e) { return e.source == source && e.id == id; });
    return it != kTable.end() ? it : nullptr;
}

bool DispatchTable::dispatch(PanelParts& parts, MessageSource source, unsigned id, MessageWords words) {
    const DispatchEntry* entry = find(source, id);
    if (entry == nullptr)
        return false;
    if (source == MessageSource::Command && !parts.pages.commandActs(id))
        return true;
    entry->run(parts, words);
    return true;
}

} // namespace kesto
