#pragma once
// The dialogs and page changes a song command ends in, handed in by the panel so that every
// rule runs without them. An empty hook does nothing (a question hook then answers no).

#include "songs/song_record.h"
#include "protocol/purchase_exchange.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kesto {

using SongList = std::vector<SongRecord>;

struct CommandHooks {
    // The my-album dialog: the on-line album chosen, or nothing when it was closed.
    std::function<std::optional<std::string>(const SongList&)> chooseMyAlbum;
    // The play-list dialog; it puts the songs itself.
    std::function<void(const SongList&)> playListDialog;
    std::function<void(const SongList&, const PriceReply&)> giftDialog;
    // The purchase dialog of a download, with the download mode it was asked for.
    std::function<void(const SongList&, const PriceReply&, int mode)> purchaseDialog;
    // The move dialogs: local albums, and the on-line my albums.
    std::function<void(const SongList&)> moveLocal;
    std::function<void(const SongList&)> moveOnline;
    // Shows a menu id with a view mode; reshows the current page.
    std::function<void(int menuId, int viewMode)> showPage;
    std::function<void()> reshowPage;
    // The notice on the downloaded file format; false ends the download.
    std::function<bool()> dcfNotice;
    // The delete confirmation with its "do not show again" box; false cancels.
    std::function<bool()> confirmDelete;
    // True while a download or transfer runs.
    std::function<bool()> transferRunning;
    // True when a streaming song has been downloaded to this PC already.
    std::function<bool(const SongRecord&)> onThisPc;
    // Shows (true) and hides (false) the wait cursor.
    std::function<void(bool)> waitCursor;
    // Shows an address in the HTML area.
    std::function<void(const std::string&)> navigateHtml;
    // The host's lyrics download service, for one song.
    std::function<void(const SongRecord&)> downloadLyrics;
};

} // namespace kesto
