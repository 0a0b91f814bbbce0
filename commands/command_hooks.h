#pragma once
// The dialogs and page changes a song command ends in, handed in by the panel so that every
// rule runs without them. An empty hook does nothing (a question hook then answers no).

#include "commands/my_album_put.h"
#include "protocol/purchase_exchange.h"
#include "songs/song.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kesto {

using SongList = std::vector<Song>;

struct CommandHooks {
    // The my-album dialog: the on-line album chosen, or nothing when it was closed.
    std::function<std::optional<MyAlbumChoice>(const SongList&)> chooseMyAlbum;
    // The play-list dialog; it puts the songs itself.
    std::function<void(const SongList&)> playListDialog;
    std::function<void(const SongList&, const PriceReply&)> giftDialog;
    // The purchase dialog, with the download mode it was asked for (or a plain purchase's) and,
    // for songs dropped into a local album, that album's id.
    std::function<void(const SongList&, const PriceReply&, int mode, const std::string& intoAlbum)>
        purchaseDialog;
    // The move dialogs: local albums, and the on-line my albums.
    std::function<void(const SongList&)> moveLocal;
    std::function<void(const SongList&)> moveOnline;
    // Shows a menu id with a view mode; reshows the current page.
    std::function<void(int menuId, int viewMode)> showPage;
    std::function<void()> reshowPage;
    // The add-file and add-folder dialogs; they import what the user chose.
    std::function<void()> addFiles;
    std::function<void()> addFolder;
    // The information dialog of a local song.
    std::function<void(const Song&)> songInfo;
    // The notice on the downloaded file format; false ends the download.
    std::function<bool()> dcfNotice;
    // The delete confirmation with its "do not show again" box; false cancels.
    std::function<bool()> confirmDelete;
    // A download was handed to the host (table A, entry 33).
    std::function<void(const SongList&)> downloadStarted;
    // True while a download or transfer runs.
    std::function<bool()> transferRunning;
    // True when a streaming song has been downloaded to this PC already.
    std::function<bool(const Song&)> onThisPc;
    // Shows (true) and hides (false) the wait cursor.
    std::function<void(bool)> waitCursor;
    // Shows an address in the HTML area; with a body, asks for it by POST.
    std::function<void(const std::string& address, const std::string& body)> navigateHtml;
    // The host's lyrics download service, for one song.
    std::function<void(const Song&)> downloadLyrics;

    // Hands fn each hook's name and whether it is set; every hook is listed here.
    template <class Fn> void visit(Fn&& fn) const {
        fn("chooseMyAlbum", bool(chooseMyAlbum));
        fn("playListDialog", bool(playListDialog));
        fn("giftDialog", bool(giftDialog));
        fn("purchaseDialog", bool(purchaseDialog));
        fn("moveLocal", bool(moveLocal));
        fn("moveOnline", bool(moveOnline));
        fn("showPage", bool(showPage));
        fn("reshowPage", bool(reshowPage));
        fn("addFiles", bool(addFiles));
        fn("addFolder", bool(addFolder));
        fn("songInfo", bool(songInfo));
        fn("dcfNotice", bool(dcfNotice));
        fn("confirmDelete", bool(confirmDelete));
        fn("downloadStarted", bool(downloadStarted));
        fn("transferRunning", bool(transferRunning));
        fn("onThisPc", bool(onThisPc));
        fn("waitCursor", bool(waitCursor));
        fn("navigateHtml", bool(navigateHtml));
        fn("downloadLyrics", bool(downloadLyrics));
    }
    static constexpr int kHookCount = 19;
};

// A hook added without its line in visit() fails here.
static_assert(sizeof(CommandHooks) == CommandHooks::kHookCount * sizeof(std::function<void()>));

} // namespace kesto
