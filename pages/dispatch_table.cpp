#include "pages/dispatch_table.h"

#include "songs/panel_messages.h"

#include <algorithm>
#include <array>

namespace kesto {

namespace {

using H = PanelHandlers;
using S = MessageSource;

constexpr DispatchEntry on(S source, unsigned id, DispatchEntry::Handler handler) {
    return {source, id, handler};
}

constexpr unsigned c(int id) {
    return static_cast<unsigned>(id);
}

const std::array kTable = {
    on(S::Window, msg::kWindowSize, &H::layOut),
    on(S::Window, msg::kWindowTimer, &H::timerFired),

    on(S::Command, c(cmd::kSearch), &H::search),
    on(S::Command, c(cmd::kArtistIndex), &H::artistIndex),
    on(S::Command, c(cmd::kPreviousPage), &H::previousPage),
    on(S::Command, c(cmd::kNextPage), &H::nextPage),
    on(S::Command, c(cmd::kStartPage), &H::startPage),
    on(S::Command, c(cmd::kToListControl), &H::toListControl),
    on(S::Command, c(cmd::kListen), &H::listen),
    on(S::Command, c(cmd::kNothing), &H::nothing),
    on(S::Command, c(cmd::kCart), &H::putIntoCart),
    on(S::Command, c(cmd::kGift), &H::gift),
    on(S::Command, c(cmd::kDownload), &H::download),
    on(S::Command, c(cmd::kDeleteFromCart), &H::deleteFromCart),
    on(S::Command, c(cmd::kMyAlbum), &H::putIntoMyAlbum),
    on(S::Command, c(cmd::kPlayList), &H::putIntoPlayList),
    on(S::Command, c(cmd::kBuy), &H::buy),
    on(S::Command, c(cmd::kBuy2), &H::buy),
    on(S::Command, c(cmd::kMove), &H::move),
    on(S::Command, c(cmd::kNextListPage), &H::nextListPage),
    on(S::Command, c(cmd::kPreviousListPage), &H::previousListPage),
    on(S::Command, c(cmd::kToPhone), &H::toPhone),
    on(S::Command, c(cmd::kToMp3Player), &H::toMp3Player),

    on(S::Panel, msg::kNothing, &H::nothing),
    on(S::Panel, msg::kGenericRequest, &H::genericRequest),
    on(S::Panel, msg::kLyrics, &H::lyrics),
    on(S::Panel, msg::kNowPlayingToPhone, &H::nowPlayingToPhone),
    on(S::Panel, msg::kNowPlayingToMp3Player, &H::nowPlayingToMp3Player),
    on(S::Panel, msg::kAddFilesDialog, &H::addFilesDialog),
    on(S::Panel, msg::kAddFilesSecond, &H::addFilesSecond),
    on(S::Panel, msg::kLocalAlbumRows, &H::localAlbumRows),
    on(S::Panel, msg::kCartRows, &H::cartRows),
    on(S::Panel, msg::kAddToOnlineAlbum, &H::addToOnlineAlbum),
    on(S::Panel, msg::kDownloadRow, &H::downloadRow),
    on(S::Panel, msg::kChosenGiftMessagePage, &H::chosenGiftMessagePage),
    on(S::Panel, msg::kDeviceDelete, &H::deviceDelete),
    on(S::Panel, msg::kReloadPage, &H::reloadPage),
    on(S::Panel, msg::kNextListPage, &H::showNextListPage),
    on(S::Panel, msg::kPreviousListPage, &H::showPreviousListPage),
    on(S::Panel, msg::kToListControl, &H::toListControl),
    on(S::Panel, msg::kPhoneDecoPage, &H::phoneDecoPage),
    on(S::Panel, msg::kRowToCart, &H::rowToCart),
    on(S::Panel, msg::kRowLyrics, &H::rowLyrics),
    on(S::Panel, msg::kRowMusicVideo, &H::rowMusicVideo),
    on(S::Panel, msg::kGiftMessagePage, &H::giftMessagePage),
    on(S::Panel, msg::kArtistPage, &H::artistPage),
    on(S::Panel, msg::kAlbumPage, &H::albumPage),
    on(S::Panel, msg::kRowListen, &H::rowListen),
    on(S::Panel, msg::kStateIconListen, &H::stateIconListen),
    on(S::Panel, msg::kDelete, &H::deleteChosen),
    on(S::Panel, msg::kLocalPageReady, &H::localPageReady),
    on(S::Panel, msg::kToPhone, &H::toPhone),
    on(S::Panel, msg::kToMp3Player, &H::toMp3PlayerFromList),
    on(S::Panel, msg::kUpdateAndReload, &H::updateAndReload),
    on(S::Panel, msg::kInfoPage, &H::infoPage),
    on(S::Panel, msg::kRowSongWebPage, &H::rowSongWebPage),
    on(S::Panel, msg::kPhoneDecoWithTransaction, &H::phoneDecoWithTransaction),
    on(S::Panel, msg::kMusicVideoPage, &H::musicVideoPage),
    on(S::Panel, msg::kMvDownloadPage, &H::musicVideoDownloadPage),
    on(S::Panel, msg::kMvDownloadPage2, &H::musicVideoDownloadPage),
    on(S::Panel, msg::kPostFormToHtmlView, &H::postFormToHtmlView),
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
    if (source == MessageSource::Command && !handlers.commandActs(id))
        return true;
    (handlers.*(entry->handler))(wParam, lParam);
    return true;
}

} // namespace kesto
