#pragma once
// The operations that the panel's window messages, button commands and panel messages reach
// through the dispatch table. An operation that the panel does not override does nothing.

#include <cstdint>

namespace kesto {

class PanelHandlers {
public:
    using W = std::intptr_t;
    using L = std::intptr_t;

    virtual ~PanelHandlers() = default;

    // Whether a button command may act on the page shown; one that may not is dropped.
    virtual bool commandActs(unsigned /*controlId*/) const { return true; }

    // Window messages.
    virtual void layOut(W, L) = 0;
    virtual void timerFired(W timerId, L) = 0;

    // Pages and list paging.
    virtual void search(W, L) = 0;
    virtual void previousPage(W, L) = 0;
    virtual void nextPage(W, L) = 0;
    virtual void startPage(W, L) = 0;
    virtual void toListControl(W, L) = 0;
    virtual void nextListPage(W, L) = 0;
    virtual void previousListPage(W, L) = 0;
    virtual void reloadPage(W, L) = 0;
    virtual void showNextListPage(W page, L) = 0;
    virtual void showPreviousListPage(W page, L) = 0;
    virtual void localPageReady(W viewMode, L pageKind) = 0;
    virtual void updateAndReload(W token, L) = 0;
    void nothing(W, L) {}

    // Song commands.
    virtual void artistIndex(W, L) {}
    virtual void listen(W, L) {}
    virtual void putIntoCart(W, L) {}
    virtual void gift(W, L) {}
    virtual void download(W, L) {}
    virtual void deleteFromCart(W, L) {}
    virtual void putIntoMyAlbum(W, L) {}
    virtual void putIntoPlayList(W, L) {}
    virtual void buy(W, L) {}
    virtual void move(W, L) {}
    virtual void toPhone(W, L) {}
    virtual void toMp3Player(W, L) {}
    virtual void toMp3PlayerFromList(W, L) {}
    virtual void genericRequest(W, L) {}
    virtual void nowPlayingToPhone(W, L) {}
    virtual void nowPlayingToMp3Player(W, L) {}
    virtual void addFilesDialog(W, L) {}
    virtual void addFilesSecond(W, L) {}
    virtual void localAlbumRows(W, L) {}
    virtual void cartRows(W, L) {}
    virtual void addToOnlineAlbum(W, L) {}
    virtual void downloadRow(W, L) {}
    virtual void deviceDelete(W, L) {}
    virtual void rowToCart(W, L) {}
    virtual void rowListen(W, L) {}
    virtual void stateIconListen(W, L) {}
    virtual void deleteChosen(W, L) {}
    virtual void artistPage(W, L) {}
    virtual void albumPage(W, L) {}
    virtual void rowSongWebPage(W, L) {}

    // Lyrics and web pages.
    virtual void lyrics(W, L) {}
    virtual void rowLyrics(W, L) {}
    virtual void chosenGiftMessagePage(W, L) {}
    virtual void giftMessagePage(W, L) {}
    virtual void phoneDecoPage(W, L) {}
    virtual void phoneDecoWithTransaction(W, L) {}
    virtual void rowMusicVideo(W, L) {}
    virtual void musicVideoPage(W, L) {}
    virtual void musicVideoDownloadPage(W, L) {}
    virtual void infoPage(W, L) {}
    virtual void postFormToHtmlView(W, L) {}
};

} // namespace kesto
