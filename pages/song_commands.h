#pragma once
// The song commands of the panel's buttons and row messages, reached through the dispatch
// table: each takes the ticked rows (or the one row of a row message) and runs the command
// of its part with a context the panel makes fresh for every call.

#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"
#include "pages/row_web_pages.h"
#include "pages/song_clipboard.h"

#include <functional>

namespace kesto {

class SongDrops;

class SongCommands final : public RowWebPages {
public:
    using ContextSource = std::function<CommandContext()>;

    SongCommands(PageControllerParts parts, ContextSource context)
        : RowWebPages(parts), context_(std::move(context)) {}

    // Where pasted songs go: as a drop of them on the page shown.
    void setDrops(SongDrops* drops) { drops_ = drops; }
    // Whether the list menu's cut and paste can act on the page shown.
    bool canCut() const;
    bool canPaste() const;

    // Delete on the now-playing page, which the window carries out on its rows.
    void setNowPlayingDelete(std::function<void()> remove) { nowPlayingDelete_ = std::move(remove); }

    // Entry 45 and the listen commands.
    void listenTicked();
    // Entry 42: 1 a phone, else an MP3 player.
    void transfer(int target);
    // Entry 62.
    void nowPlayingAction(int action, const std::vector<int>& positions);
    // Entry 69: the download of the ticked songs in a mode of the download request.
    void downloadTicked(int mode);
    // Entry 63: the buying history and the received gifts hand their (paid) songs to the host;
    // elsewhere a download in mode 1.
    void downloadChosen();
    // Entry 70: the gift box hands its (paid) songs to the host; elsewhere a download in mode 2.
    void downloadGifts();
    // Entry 5: 0 the purchase dialog, 1 the gift dialog, 2 a download, for the song ids in
    // ids (separated by ';').
    void openDialog(int kind, std::string_view ids);
    // The list's context menu: put the chosen songs into a play list, my album, the cart or a
    // gift, by the menu command id.
    void putInto(int commandId, const Selection& chosen);
    // Entry 71: the lyrics page of a song id.
    void openLyricsPage(std::string_view songId);

    void listen(W, L) override { listenTicked(); }
    void rowListen(W, L row) override;
    // The play-state icon of a row: the row is listened to as a double click does.
    void stateIconListen(W row, L) override { rowListen(0, row); }
    void putIntoCart(W, L) override;
    void gift(W, L) override;
    void buy(W, L) override;
    void download(W, L) override;
    void downloadRow(W row, L column) override;
    void putIntoMyAlbum(W, L) override;
    // Cut, copy and paste of the list's keys and row menus.
    void cut();
    void copy();
    void paste();
    // Entry 57: a cut on the local my-album page (1090), a copy on the cart pages (1091); nothing
    // elsewhere.
    void localAlbumRows(W, L) override;
    void cartRows(W, L) override;
    // Entry 58: the ticked songs go into an on-line my album, as the list command does.
    void addToOnlineAlbum(W, L) override { putIntoMyAlbum(0, 0); }
    void putIntoPlayList(W, L) override;
    void move(W, L) override;
    void deleteChosen(W, L) override;
    void deviceDelete(W, L) override { deleteChosen(0, 0); }
    void toPhone(W, L) override;
    void toMp3Player(W, L) override;
    void toMp3PlayerFromList(W, L) override;
    // The now-playing choice: the entries ticked on the now-playing page.
    void nowPlayingToPhone(W, L) override;
    void nowPlayingToMp3Player(W, L) override;
    void deleteFromCart(W, L) override;
    void rowToCart(W row, L) override;
    // 1088 and 1089: the add-file and add-folder dialogs.
    void addFilesDialog(W, L) override;
    void addFilesSecond(W, L) override;
    // The now-playing entry at a position.
    void lyrics(W, L row) override;
    void rowLyrics(W row, L) override;
    // A row's song information; no row asks for the page without a song.
    void infoPage(W, L) override;
    void rowSongWebPage(W, L row) override;

protected:
    void playSongLink(const LinkRequest& link, std::string_view parameter) override;

private:
    Selection ticked() const;
    Selection nowPlayingChoice(const CommandContext& context) const;
    // A row of the now-playing page: host table A's entry 1 (0, 0), 1133 from that position,
    // then entry 2's result.
    static int playFromNowPlaying(CommandContext& context, int position);
    Selection row(int index) const;
    Selection firstTicked() const; // the chosen song of a menu command
    // Songs paid for already go straight to the host's download (table A, entry 33).
    void handToHost(CommandContext& context) const;
    // The ticked songs go to the host's download where the page holds them paid for, else
    // into a download request in mode.
    void downloadOrHandOver(bool (*paidHere)(int pageKind), int mode);
    // A fresh context whose HTML area is the panel's.
    CommandContext context() const;

    ContextSource context_;
    std::function<void()> nowPlayingDelete_;
    SongDrops* drops_ = nullptr;
    SongClipboard clipboard_;
};

} // namespace kesto
