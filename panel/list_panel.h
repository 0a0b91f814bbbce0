#pragma once
// The list panel: what the entry table reaches. It owns the panel's data (PanelModel) and the
// parts that live as long as the panel (the now-playing store, local files); once created, its
// window with the button bar, the promotion strip and the list view, and the parts its
// messages reach: the page navigator, the row web pages, the song commands and the drops. It
// forwards each entry to the part that owns it and keeps only what is about its windows.

#include "module/panel_operations.h"
#include "pages/dispatch_table.h"
#include "pages/download_tracker.h"
#include "pages/local_files.h"
#include "pages/page_navigator.h"
#include "pages/panel_model.h"
#include "pages/row_web_pages.h"
#include "pages/show_page.h"
#include "pages/song_commands.h"
#include "pages/song_drops.h"
#include "panel/panel_command_context.h"
#include "panel/panel_now_playing.h"
#include "panel/panel_views.h"

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

class ListPanel final : public PanelOperations {
public:
    explicit ListPanel(ModuleState& module);
    ~ListPanel() override;
    ListPanel(const ListPanel&) = delete;
    ListPanel& operator=(const ListPanel&) = delete;

    bool createWindow(WindowHandle parent, const KestoRect& rect, bool noBlank) override;
    void destroyWindow() override;
    int setWindowPos(WindowHandle insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
    void moveWindow(int x, int y, int cx, int cy, bool repaint) override;
    WindowHandle window() const override;

    int pageKind() const override { return model_.state().pageKind; }
    void clearPagePending() override { model_.state().pagePending = false; }
    std::string serverTime() override;
    void startPromotion() override;
    bool hasPendingWork() const override { return model_.hasWork(); }

    NowPlayingOperations& nowPlaying() override { return playing_; }
    LocalFileOperations& localFiles() override { return files_; }
    PageOperations* pages() override { return navigator_.get(); }
    SongOperations* songs() override { return songs_.get(); }
    ListControlOperations* listControl() override { return views_.get(); }

    // What every song command of the panel is given, its dialog hooks included.
    CommandContext commandContext() const { return context_.make(); }

private:
    void fetchSkinImages();
    void createChildren(bool noBlank);
    void openAlbumDatabase();
    void createParts();
    void createOwnerActions();
    // The host destroyed the window: only the pointers go, the widgets die with it.
    void windowGone();
    void resetParts();

    ModuleState& module_;
    PanelModel model_;
    std::unique_ptr<RegistryKey> settingsKey_;
    DownloadTracker downloads_;
    LocalFiles files_;
    PanelCommandContext context_;
    PanelNowPlaying playing_;
    std::unique_ptr<PlayedSongLyrics> lyrics_;
    // With the window.
    QPointer<ListPanelWindow> window_;
    ButtonBar* buttons_ = nullptr;
    PromotionStrip* promotion_ = nullptr;
    ListViewArea* listView_ = nullptr;
    std::unique_ptr<PanelViews> views_;
    std::unique_ptr<ShowPage> showPage_;
    std::unique_ptr<PageNavigator> navigator_;
    std::unique_ptr<RowWebPages> web_;
    std::unique_ptr<SongCommands> songs_;
    std::unique_ptr<SongDrops> drops_;
    std::unique_ptr<PanelParts> parts_;
    std::unique_ptr<ListOwnerActions> ownerActions_;
    std::vector<const QPixmap*> skinImages_;
};

} // namespace kesto
