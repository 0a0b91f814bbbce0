#pragma once
// The song-command runner of the panel: each command takes the ticked rows (or the one row of
// a row message) and runs the command of its part with a context the panel makes fresh for
// every call.

#include "commands/command_context.h"
#include "commands/command_origin.h"
#include "commands/selection.h"
#include "commands/transfer_command.h"
#include "module/song_operations.h"
#include "pages/message_shapes.h"

#include <functional>
#include <string_view>
#include <vector>

namespace kesto {

class PageNavigator;
class PanelWindowOps;
struct LinkRequest;

struct SongCommandParts {
    PanelWindowOps* window = nullptr;
    PageNavigator* pages = nullptr;
    // A fresh context for every command.
    std::function<CommandContext()> context;
    // Delete on the now-playing page, which the window carries out on its rows.
    std::function<void()> nowPlayingDelete;
};

class SongCommands final : public SongOperations {
public:
    explicit SongCommands(SongCommandParts parts) : p_(std::move(parts)) {}

    // Entry 45 and the listen commands.
    void listen() override;
    // A row's double click or play-state icon; on the now-playing page the host plays on from it.
    void rowListen(ListRow row);
    void putIntoCart();
    void rowToCart(ListRow row);
    void gift();
    void buy();
    // Entry 69 and the button: the download of the ticked songs.
    void downloadTicked() override;
    // A download cell (never the state column 0) names its row; the menu downloads the ticked rows.
    void downloadRow(RowColumn cell);
    // Entry 63: the buying history and the received gifts hand their (paid) songs to the host;
    // elsewhere a download in mode 1.
    void downloadChosen() override;
    // Entry 70: the gift box hands its (paid) songs to the host; elsewhere a download in mode 2.
    void downloadGifts() override;
    void putIntoMyAlbum();
    void putIntoPlayList();
    // The list's context menu: put the chosen songs into a play list, my album, the cart or a
    // gift, by the menu command id.
    void putInto(int commandId, const Selection& chosen);
    void move();
    void deleteChosen();
    void deleteFromCart();
    // The ticked songs to a device.
    void transferTicked(Device device, CommandOrigin origin);
    // Entry 42.
    void transferToDevice(int target) override;
    // The entries ticked on the now-playing page to a device.
    void transferNowPlaying(Device device);
    // Entry 62.
    void actOnNowPlaying(int action, const std::vector<int>& positions) override;
    // Entry 5.
    void openDialog(int kind, std::string_view songIds) override;
    // 1088 and 1089: the add-file and add-folder dialogs.
    void addFilesDialog();
    void addFolderDialog();
    void lyrics(ListRow row);
    // Entry 71: the lyrics page of a song id.
    void openLyrics(std::string_view songId) override;
    // The first ticked song's information; no row asks for the page without a song.
    void infoPage();
    void rowSongWebPage(ListRow row);
    // A song link of the service's pages: the song is fetched and played.
    void playSongLink(const LinkRequest& link);

private:
    Selection ticked() const;
    Selection row(ListRow row) const;
    Selection firstTicked() const;
    // The ticked songs go to the host's download where the page holds them paid for, else
    // into a download request in mode.
    void downloadOrHandOver(bool (*paidHere)(int pageKind), int mode);
    // A fresh context whose HTML area is the panel's.
    CommandContext context() const;

    SongCommandParts p_;
};

} // namespace kesto
