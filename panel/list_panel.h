#pragma once
// The list panel: what the entry table reaches. It owns the panel's data (PanelModel), its
// page operations (ShowPage, PageController) and, once created, its window with the button
// bar, the promotion strip and the list view. Without a window every page operation does
// nothing.

#include "module/panel_operations.h"
#include "pages/download_tracker.h"
#include "pages/panel_model.h"
#include "pages/panel_window_ops.h"
#include "pages/show_page.h"
#include "pages/song_commands.h"
#include "pages/song_drops.h"

#include <QPointer>

#include <memory>

class QPixmap;

namespace kesto {

class ButtonBar;
class ListOwnerActions;
class ListPanelWindow;
class PlayedSongLyrics;
class ListViewArea;
class ModuleState;
class PromotionStrip;
class RegistryKey;

class ListPanel final : public PanelOperations, public PanelWindowOps {
public:
    static constexpr int kDownloadStorageViewMode = 4;
    static constexpr int kDeviceListViewMode = 4;

    explicit ListPanel(ModuleState& module);
    ~ListPanel() override;
    ListPanel(const ListPanel&) = delete;
    ListPanel& operator=(const ListPanel&) = delete;

    PanelModel& model() { return model_; }
    // Null while there is no window.
    SongCommands* pages() { return commands_.get(); }
    ListViewArea* listView() { return listView_; }

    // What every song command of the panel is given, its dialog hooks included.
    CommandContext commandContext();

    // Life of the window.
    bool createWindow(WindowHandle parent, const KestoRect& rect, bool noBlank) override;
    void destroyWindow() override;
    int setWindowPos(WindowHandle insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
    void moveWindow(int x, int y, int cx, int cy, bool repaint) override;
    WindowHandle window() const override;

    // Now-playing store.
    int nowPlayingCount() const override;
    SongStore* nowPlayingStore() override { return &model_.nowPlaying(); }
    NextSongResult nextSong(const NextSongRequest& request) override;
    std::string lastPlayedText() const override { return lastPlayedText_; }
    void keepPlayedText(const std::string& text) override { lastPlayedText_ = text; }
    MyAlbumDb* albumDb() override { return model_.albumDb(); }
    int setPlayState(int state) override;
    int clearCurrentMark() override;
    void selectSong(int index) override;
    void listen() override;
    void playFiles(const std::vector<std::string>& paths) override;
    void actOnNowPlaying(int action, const std::vector<int>& positions, std::intptr_t extra) override;

    bool miniModeFlag() const override { return miniMode_; }
    void setMiniModeFlag(bool on) override { miniMode_ = on; }
    int option() const override { return option_; }
    void setOption(int value) override { option_ = value; }
    void reloadOptions() override;
    int setLyricsDownload(int value) override;

    // Pages.
    int pageKind() const override { return state().pageKind; }
    void clearPagePending() override { model_.state().pagePending = false; }
    void showPage(int viewMode, std::string_view text, int menuId, std::string_view text2,
                  int value) override;
    void openDownloadStorage(std::string_view text) override;
    void openDeviceList(int device, int unused, std::string_view title, std::string_view parameter) override;
    void goToPage(int direction) override;
    bool hasPage(int direction) const override;
    void followLink(std::string_view link) override;
    void openLyrics(std::string_view songId) override;
    int showBlankPage() override;

    // Requests and commands.
    std::string serverTime() override;
    void startPromotion() override;
    void openDialog(int kind, std::string_view a, std::string_view b) override;
    void genericRequest(int value) override;
    void panelCommand() override {}
    void listControlCommand() override { forwardToListControl(); }
    void notifyStoppedByService() override;
    void transferToDevice(int target) override;
    void downloadChosen(int value, std::string_view text) override;
    void downloadCommand(int value, std::string_view text) override;
    void downloadGifts(int value, std::string_view text) override;
    bool hasPendingWork() const override;

    // Lists and local files.
    void importPath(std::string_view path) override;
    void addItems(int kind, std::string_view values) override;
    void addToLocalAlbum(std::string_view path, std::string_view albumId) override;
    void fillSecondStore(std::string_view text, int value) override;
    int readLocalSongInfo(std::string_view path, SongRecord* record) override;
    int addDroppedFiles(const std::vector<std::string>& paths) override;

    // The list control.
    void clearSelection() override;
    void refreshButtons() override;
    int selectAll(bool on) override;
    WindowHandle childWindow(int which, KestoRect& screenRect) const override;

    // PanelWindowOps
    void layOut() override;
    void killTimer(int timerId) override;
    void navigateHtml(const std::string& address) override;
    void showWebPage(const std::string& address, const std::string& title) override;
    void postHtml(const std::string& address, const std::string& body) override;
    void forwardToListControl() override;
    void updateHost() override;
    std::string searchWords() const override;
    bool recordAt(int row, Song& out) const override;
    Selection tickedSongs() const override;

private:
    static PanelModelInit initFrom(ModuleState& module);
    const PageState& state() const { return model_.state(); }
    void fetchSkinImages();
    void createChildren(bool noBlank);
    void openAlbumDatabase();
    void createPageOperations();
    void createOwnerActions();
    void windowGone();
    // Entry 25's state on every row of the shown list that holds the song.
    void showPlayState(const Song& current);
    CommandHooks commandHooks(const CommandContext& base);
    int importFiles(const std::vector<std::string>& paths);
    void showListAgain();
    // The now-playing store is being cleared: its page's rows let go of the records.
    void nowPlayingCleared();
    void dropNowPlayingHook();

    ModuleState& module_;
    PanelModel model_;
    std::unique_ptr<ShowPage> showPage_;
    std::unique_ptr<SongCommands> commands_;
    std::unique_ptr<ListOwnerActions> ownerActions_;
    std::unique_ptr<PlayedSongLyrics> lyrics_;
    std::unique_ptr<SongDrops> drops_;
    std::unique_ptr<RegistryKey> settingsKey_;
    DownloadTracker downloads_;
    QPointer<ListPanelWindow> window_;
    int nowPlayingHook_ = 0; // of the now-playing store's clear hooks
    ButtonBar* buttons_ = nullptr;
    PromotionStrip* promotion_ = nullptr;
    ListViewArea* listView_ = nullptr;
    std::vector<const QPixmap*> skinImages_;
    std::string lastPlayedText_;
    bool miniMode_ = false;
    int option_ = 0;
};

} // namespace kesto
