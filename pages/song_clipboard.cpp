#include "pages/song_clipboard.h"

#include "library/my_album_db.h"
#include "pages/page_state.h"
#include "protocol/cart_request.h"
#include "protocol/protocol_exchange.h"
#include "songs/list_pages.h"
#include "songs/song_store.h"

namespace kesto {

namespace {

constexpr int kLocalAlbums = 4;
constexpr int kLocalAlbum = 5;
constexpr int kMusicVideoCart = 29;

bool isCart(int pageKind) {
    return pageKind == page_kind::kCart || pageKind == kMusicVideoCart;
}

bool isLocalAlbum(int pageKind) {
    return pageKind == kLocalAlbums || pageKind == kLocalAlbum;
}

} // namespace

bool SongClipboard::cutsFrom(int pageKind) {
    return pageKind == page_kind::kNowPlaying || isLocalAlbum(pageKind) || isCart(pageKind);
}

bool SongClipboard::take(const Selection& chosen, const PageState& from, bool cut) {
    if (cut && !cutsFrom(from.pageKind))
        return false;
    if (chosen.empty())
        return true;
    songs_ = chosen.records();
    pageKind_ = from.pageKind;
    menuId_ = from.menuId;
    parameter_ = from.parameter;
    cut_ = cut;
    return true;
}

bool SongClipboard::cameFrom(const PageState& page) const {
    return page.menuId == menuId_ && page.parameter == parameter_;
}

void SongClipboard::taken(CommandContext& context) {
    if (!cut_)
        return;
    leaveSource(context);
    songs_.clear();
    cut_ = false;
}

void SongClipboard::leaveSource(CommandContext& context) const {
    if (isLocalAlbum(pageKind_) && context.albums != nullptr) {
        // A song leaves the list of every local song only by a delete, which asks first; cut
        // there, it is pasted as a copy and stays in its albums.
        if (menuId_ == menu::kLocalAlbums)
            return;
        for (const Song& song : songs_)
            context.albums->removeSong(song.text(SongField::Song_ID), parameter_);
    } else if (isCart(pageKind_)) {
        std::vector<std::string> items;
        for (const Song& song : songs_)
            items.emplace_back(song.text(SongField::Cart_Item_ID));
        ProtocolExchange::run(context.protocol, CartRequest::remove(*context.protocol.login, items));
    } else if (pageKind_ == page_kind::kNowPlaying && context.nowPlaying != nullptr) {
        // The now-playing page is not on screen: no row points into the store.
        for (const Song& song : songs_) {
            const int at = song.text(SongField::Song_ID)[0] != '\0'
                               ? context.nowPlaying->findBySongId(song.text(SongField::Song_ID))
                               : context.nowPlaying->positionInNowPlaying(song);
            if (at >= 0)
                context.nowPlaying->removeAt(at);
        }
    }
}

} // namespace kesto
