#pragma once
// What the entry table asks of the list panel. The panel subsystem implements it; the
// module state holds the one instance while the panel exists.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"
#include "songs/next_song.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class MyAlbumDb;
class SongStore;
struct SongRecord;

class PanelOperations {
public:
    virtual ~PanelOperations() = default;

    // Life of the window (entries 16 to 20).
    virtual bool createWindow(WindowHandle parent, const KestoRect& rect, bool noBlank) = 0;
    virtual void destroyWindow() = 0;
    virtual int setWindowPos(WindowHandle insertAfter, int x, int y, int cx, int cy, unsigned flags) = 0;
    virtual void moveWindow(int x, int y, int cx, int cy, bool repaint) = 0;
    virtual WindowHandle window() const = 0; // null while there is no window

    // Now-playing store and playing.
    virtual int nowPlayingCount() const = 0;
    virtual SongStore* nowPlayingStore() = 0;
    // Where played album songs are counted, also from the mini list; null without a database.
    virtual MyAlbumDb* albumDb() { return nullptr; }
    virtual NextSongResult nextSong(const NextSongRequest& request) = 0;
    virtual std::string lastPlayedText() const = 0;
    // What the mini list handed the host for its last song, for entry 10 in mini mode too.
    virtual void keepPlayedText(const std::string& /*text*/) {}
    virtual int setPlayState(int state) = 0;
    virtual int clearCurrentMark() = 0;
    // Marks the song at index on the now-playing page, its rows read anew: when mini mode ends
    // and whenever the mini list changed the now-playing list.
    virtual void selectSong(int index) = 0;
    virtual void listen() = 0;
    virtual void playFiles(const std::vector<std::string>& paths) = 0;
    virtual void actOnNowPlaying(int action, const std::vector<int>& positions, std::intptr_t extra) = 0;

    // Mini-mode flag and options.
    virtual bool miniModeFlag() const = 0;
    virtual void setMiniModeFlag(bool on) = 0;
    virtual int option() const = 0;
    virtual void setOption(int value) = 0;
    virtual void reloadOptions() = 0;
    virtual int setLyricsDownload(int value) = 0;

    // Pages.
    virtual int pageKind() const = 0;
    virtual void clearPagePending() = 0;
    virtual void showPage(int viewMode, std::string_view text, int menuId, std::string_view text2,
                          int value) = 0;
    virtual void openDownloadStorage(std::string_view text) = 0;
    virtual void openDeviceList(int device, int unused, std::string_view title,
                                std::string_view parameter) = 0;
    virtual void goToPage(int direction) = 0;
    virtual bool hasPage(int direction) const = 0;
    virtual void followLink(std::string_view link) = 0;
    virtual void openLyrics(std::string_view songId) = 0;
    virtual int showBlankPage() = 0; // the HTML view shows "about:blank"; 1, or 0 without one

    // Requests and commands.
    virtual std::string serverTime() = 0;
    virtual void startPromotion() = 0;
    virtual void openDialog(int kind, std::string_view a, std::string_view b) = 0;
    virtual void genericRequest(int value) = 0;
    virtual void panelCommand() = 0;
    virtual void listControlCommand() = 0;
    virtual void notifyStoppedByService() = 0;
    virtual void transferToDevice(int target) = 0;
    virtual void downloadChosen(int value, std::string_view text) = 0;
    virtual void downloadCommand(int value, std::string_view text) = 0;
    virtual void downloadGifts(int value, std::string_view text) = 0;
    virtual bool hasPendingWork() const = 0;

    // Lists and local files.
    virtual void importPath(std::string_view path) = 0;
    virtual void addItems(int kind, std::string_view values) = 0;
    virtual void addToLocalAlbum(std::string_view a, std::string_view b) = 0;
    virtual void fillSecondStore(std::string_view text, int value) = 0;
    virtual int readLocalSongInfo(std::string_view path, SongRecord* record) = 0;
    virtual int addDroppedFiles(const std::vector<std::string>& paths) = 0;

    // The list control.
    virtual void clearSelection() = 0;
    virtual void refreshButtons() = 0;
    virtual int selectAll(bool on) = 0;
    // which 1: the list control, 2: the second child. Null (rect untouched) when not visible.
    virtual WindowHandle childWindow(int which, KestoRect& screenRect) const = 0;
};

} // namespace kesto
