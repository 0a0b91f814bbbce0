#include "pages/dispatch_table.h"

#include "songs/panel_messages.h"

#include <algorithm>
#include <array>

namespace kesto {

namespace {

using H = PanelHandlers;
using S = MessageSource;

constexpr DispatchEntry built(S source, unsigned id, DispatchEntry::Handler handler) {
    return {source, id, handler, true};
}

constexpr DispatchEntry toCome(S source, unsigned id, DispatchEntry::Handler handler) {
    return {source, id, handler, false};
}

constexpr unsigned c(int id) {
    return static_cast<unsigned>(id);
}

const std::array kTable = {
    built(S::Window, msg::kWindowSize, &H::layOut),
    built(S::Window, msg::kWindowTimer, &H::timerFired),

    built(S::Command, c(cmd::kSearch), &H::search),
    built(S::Command, c(cmd::kArtistIndex), &H::artistIndex),
    built(S::Command, c(cmd::kPreviousPage), &H::previousPage),
    built(S::Command, c(cmd::kNextPage), &H::nextPage),
    built(S::Command, c(cmd::kStartPage), &H::startPage),
    built(S::Command, c(cmd::kToListControl), &H::toListControl),
    built(S::Command, c(cmd::kListen), &H::listen),
    built(S::Command, c(cmd::kNothing), &H::nothing),
    built(S::Command, c(cmd::kCart), &H::putIntoCart),
    built(S::Command, c(cmd::kGift), &H::gift),
    built(S::Command, c(cmd::kDownload), &H::download),
    built(S::Command, c(cmd::kDeleteFromCart), &H::deleteFromCart),
    built(S::Command, c(cmd::kMyAlbum), &H::putIntoMyAlbum),
    built(S::Command, c(cmd::kPlayList), &H::putIntoPlayList),
    built(S::Command, c(cmd::kBuy), &H::buy),
    built(S::Command, c(cmd::kBuy2), &H::buy),
    built(S::Command, c(cmd::kMove), &H::move),
    built(S::Command, c(cmd::kNextListPage), &H::nextListPage),
    built(S::Command, c(cmd::kPreviousListPage), &H::previousListPage),
    built(S::Command, c(cmd::kToPhone), &H::toPhone),
    built(S::Command, c(cmd::kToMp3Player), &H::toMp3Player),

    built(S::Panel, msg::kNothing, &H::nothing),
    built(S::Panel, msg::kGenericRequest, &H::genericRequest),
    built(S::Panel, msg::kLyrics, &H::lyrics),
    built(S::Panel, msg::kNowPlayingToPhone, &H::nowPlayingToPhone),
    built(S::Panel, msg::kNowPlayingToMp3Player, &H::nowPlayingToMp3Player),
    built(S::Panel, msg::kAddFilesDialog, &H::addFilesDialog),
    built(S::Panel, msg::kAddFilesSecond, &H::addFilesSecond),
    toCome(S::Panel, msg::kLocalAlbumRows, &H::localAlbumRows),
    toCome(S::Panel, msg::kCartRows, &H::cartRows),
    built(S::Panel, msg::kAddToOnlineAlbum, &H::addToOnlineAlbum),
    built(S::Panel, msg::kDownloadRow, &H::downloadRow),
    built(S::Panel, msg::kChosenGiftMessagePage, &H::chosenGiftMessagePage),
    built(S::Panel, msg::kDeviceDelete, &H::deviceDelete),
    built(S::Panel, msg::kReloadPage, &H::reloadPage),
    built(S::Panel, msg::kNextListPage, &H::showNextListPage),
    built(S::Panel, msg::kPreviousListPage, &H::showPreviousListPage),
    built(S::Panel, msg::kToListControl, &H::toListControl),
    built(S::Panel, msg::kPhoneDecoPage, &H::phoneDecoPage),
    built(S::Panel, msg::kRowToCart, &H::rowToCart),
    built(S::Panel, msg::kRowLyrics, &H::rowLyrics),
    built(S::Panel, msg::kRowMusicVideo, &H::rowMusicVideo),
    built(S::Panel, msg::kGiftMessagePage, &H::giftMessagePage),
    built(S::Panel, msg::kArtistPage, &H::artistPage),
    built(S::Panel, msg::kAlbumPage, &H::albumPage),
    built(S::Panel, msg::kRowListen, &H::rowListen),
    built(S::Panel, msg::kDelete, &H::deleteChosen),
    built(S::Panel, msg::kLocalPageReady, &H::localPageReady),
    built(S::Panel, msg::kToPhone, &H::toPhone),
    built(S::Panel, msg::kToMp3Player, &H::toMp3PlayerFromList),
    built(S::Panel, msg::kUpdateAndReload, &H::updateAndReload),
    built(S::Panel, msg::kInfoPage, &H::infoPage),
    built(S::Panel, msg::kRowSongWebPage, &H::rowSongWebPage),
    built(S::Panel, msg::kPhoneDecoWithTransaction, &H::phoneDecoWithTransaction),
    built(S::Panel, msg::kMusicVideoPage, &H::musicVideoPage),
    built(S::Panel, msg::kMvDownloadPage, &H::musicVideoDownloadPage),
    built(S::Panel, msg::kMvDownloadPage2, &H::musicVideoDownloadPage),
    built(S::Panel, msg::kPostFormToHtmlView, &H::postFormToHtmlView),
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

bool DispatchTable::dispatch(PanelHandlers& handlers, MessageSource source, unsigned id,
                             PanelHandlers::W wParam, PanelHandlers::L lParam) {
    const DispatchEntry* entry = find(source, id);
    if (entry == nullptr)
        return false;
    (handlers.*(entry->handler))(wParam, lParam);
    return true;
}

} // namespace kesto
