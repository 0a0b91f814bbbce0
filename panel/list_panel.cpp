#include "panel/list_panel.h"

#include "commands/command_settings.h"
#include "commands/device_host.h"
#include "dialogs/dialog_hooks.h"
#include "library/file_type.h"
#include "library/folder_walker.h"
#include "listview/song_list_view.h"
#include "module/module_state.h"
#include "pages/codec_setting.h"
#include "pages/host_song_entries.h"
#include "pages/page_import.h"
#include "pages/play_next.h"
#include "pages/played_song_lyrics.h"
#include "panel/button_bar.h"
#include "panel/link_label.h"
#include "panel/list_owner_actions.h"
#include "panel/list_panel_window.h"
#include "panel/list_view_area.h"
#include "panel/panel_skin.h"
#include "panel/promotion_strip.h"
#include "panel/window_placement.h"
#include "platform/failure_guard.h"
#include "protocol/promotion_request.h"
#include "protocol/server_time.h"
#include "settings/download_folder.h"
#include "settings/registry_key.h"
#include "settings/registry_section.h"
#include "settings/settings_keys.h"
#include "songs/list_pages.h"
#include "songs/panel_messages.h"
#include "songs/song_record.h"
#include "webview/external_browser.h"
#include "webview/html_area.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <filesystem>

namespace kesto {

namespace {

constexpr int kNextDirection = 1;
// Kinds of entry 50.
constexpr int kAddFilesKind = 0;
constexpr int kAddFolderKind = 1;
constexpr int kMyAlbumSongsKind = 2;
constexpr int kLocalFilesKind = 3;
constexpr int kServiceSongsKind = 4;
constexpr int kServerListViewMode = 2;
// The service song list ("kestoSong") of a list code.
constexpr int kServiceSongsMenu = 1001;
// The panel option (entries 6 and 7): 0 scrolls the now-playing page to the played song.
constexpr int kFollowPlayedSong = 0;

int codecModeFromSettings() {
    RegistrySection section(settings::kSectionBase);
    return CodecSetting::read(section);
}

} // namespace

PanelModelInit ListPanel::initFrom(ModuleState& module) {
    PanelModelInit init;
    const StartupValues& startup = module.startup();
    init.context.request = StartupValues::slotAs<KestoNetRequestFn>(startup.network, KESTO_NET_REQUEST);
    init.context.login = &module.login();
    init.context.port = module.port();
    init.context.host = module.hostWindow();
    init.context.box = module.messageBox();
    if (startup.tagService != 0)
        init.tagReader = StartupValues::slotAs<KestoSvcReadTagsFn>(startup.serviceB, KESTO_SVC_B_READ_TAGS);
    init.codecMode = codecModeFromSettings();
    return init;
}

ListPanel::ListPanel(ModuleState& module)
    : module_(module), model_(initFrom(module)), settingsKey_(std::make_unique<RegistryKey>()),
      downloads_(
          model_.workList(),
          [this] {
              return std::filesystem::path(DownloadFolder::resolve(*settingsKey_, settings::kLastSaveFolder));
          },
          module.messageBox()) {}

CommandContext ListPanel::commandContext() {
    CommandContext context;
    context.protocol = model_.context();
    context.nowPlaying = &model_.nowPlaying();
    context.listStore = &model_.list();
    context.pageKind = state().pageKind;
    context.menuId = state().menuId;
    context.settings = settingsKey_.get();
    context.albums = model_.albumDb();
    context.serviceA = module_.startup().serviceA;
    context.hooks = commandHooks(context);
    return context;
}

CommandHooks ListPanel::commandHooks(const CommandContext& base) {
    CommandHooks hooks;
    hooks.showPage = [this](int menuId, int viewMode) { showPage(viewMode, {}, menuId, {}, 0); };
    hooks.reshowPage = [this] {
        if (commands_)
            commands_->reloadPage(0, 0);
    };
    hooks.waitCursor = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    hooks.navigateHtml = [this](const std::string& address, const std::string& body) {
        if (body.empty())
            navigateHtml(address);
        else
            postHtml(address, body);
    };
    downloads_.install(hooks);
    // The host's lyrics download takes the song as a one-entry list of table A's download.
    hooks.downloadLyrics = [serviceA = base.serviceA,
                            flag = CommandSettings(base.settings).transferWriteFlag()](const Song& song) {
        DeviceHost(serviceA).transfer({song}, flag);
    };
    DialogParts dialogs{window_.data(), module_.startup().skin, base,
                        [this](const std::vector<std::string>& paths) { importFiles(paths); }};
    DialogHooks::install(hooks, dialogs);
    return hooks;
}

ListPanel::~ListPanel() {
    destroyWindow();
}

// ---- life of the window ----

bool ListPanel::createWindow(WindowHandle parent, const KestoRect& rect, bool noBlank) {
    // Widgets need the application object of a widget host and a parent to live in.
    if (window_ || parent == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    window_ = new ListPanelWindow(static_cast<QWidget*>(parent));
    // The host may destroy its window, and the panel's with it, before entry 17.
    QObject::connect(window_, &QObject::destroyed, [this] { windowGone(); });
    window_->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    fetchSkinImages();
    createChildren(noBlank);
    refreshButtons(); // no page yet: no song button acts
    window_->show();
    window_->startOneShotTimer();
    return true;
}

void ListPanel::fetchSkinImages() {
    auto image = StartupValues::slotAs<KestoSkinImageFn>(module_.startup().skin, KESTO_SKIN_IMAGE);
    skinImages_.clear();
    if (image == nullptr)
        return;
    skinImages_.push_back(static_cast<const QPixmap*>(image(skin::kBackgroundImage)));
    for (const int id : cmd::kButtonOrder)
        skinImages_.push_back(static_cast<const QPixmap*>(image(id)));
    window_->setBackground(skinImages_.front());
}

void ListPanel::createChildren(bool noBlank) {
    MessagePort& port = *model_.context().port;
    buttons_ = new ButtonBar(module_.startup().skin, port, window_.data(), window_);
    openAlbumDatabase();
    promotion_ = new PromotionStrip(window_);
    listView_ = new ListViewArea(model_.state(), port, window_.data(), model_.context().box, window_);
    listView_->html().setLogin(model_.context().login);
    createPageOperations();
    createOwnerActions();
    drops_ = std::make_unique<SongDrops>(
        model_, [this] { return commandContext(); },
        [this](const std::vector<std::string>& paths) { return importFiles(paths); });
    listView_->setDrops(drops_.get());
    commands_->setDrops(drops_.get());
    window_->setChildren(buttons_, promotion_, listView_);
    // Links are followed from Qt's event loop, which lets no exception through.
    listView_->html().setLinkHandler([this](const std::string& link) {
        FailureGuard::run(LogCategory::Panel, "web link", [&] { followLink(link); });
    });
    listView_->linkLabel().setHandler([this](const std::string& link) {
        FailureGuard::run(LogCategory::Panel, "title link", [&] {
            if (commands_)
                commands_->followLabelLink(link);
        });
    });
    if (!noBlank)
        listView_->html().navigate(HtmlArea::kBlankPage);
}

void ListPanel::openAlbumDatabase() {
    // The album database lives under the host's current folder; a folder removed under the
    // host leaves the panel without albums, not the host without a panel.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::current_path(error);
    if (error)
        FailureLog::write(LogCategory::Panel,
                          "no album database: the current folder is gone (" + error.message() + ")");
    else if (!model_.openAlbumDatabase(base))
        FailureLog::write(LogCategory::Panel, "no album database under " + base.string());
}

void ListPanel::createPageOperations() {
    ShowPageParts parts;
    parts.context = &model_.context();
    parts.state = &model_.state();
    parts.list = &model_.list();
    parts.nowPlaying = &model_.nowPlaying();
    parts.view = listView_;
    parts.folderWorker = &model_.folderWorker();
    parts.albumWorker = &model_.albumWorker();
    parts.factory = &model_.factory();
    parts.albumDb = model_.albumDb();
    parts.folderFiles = [this] { return model_.folderFiles(); };
    parts.port = model_.context().port;
    parts.window = window_.data();
    showPage_ = std::make_unique<ShowPage>(std::move(parts));
    commands_ = std::make_unique<SongCommands>(PageControllerParts{showPage_.get(), &model_.state(),
                                                                   &model_.context(), this,
                                                                   model_.context().port, window_.data()},
                                               [this] { return commandContext(); });
    window_->setHandlers(commands_.get());
}

void ListPanel::createOwnerActions() {
    ListOwnerParts parts;
    parts.nowPlaying = &model_.nowPlaying();
    parts.list = [this] { return listView_ != nullptr ? &listView_->list() : nullptr; };
    parts.pageKind = [this] { return state().pageKind; };
    parts.commands = [this] { return commands_.get(); };
    parts.showPage = [this](int menuId, int viewMode) { showPage(viewMode, {}, menuId, {}, 0); };
    parts.dropRows = [this] {
        if (listView_ != nullptr)
            listView_->dropRows();
    };
    parts.skinValue = [this] { return module_.hostValue(0); };
    parts.markingValue = [this] { return module_.hostValue(1); };
    ownerActions_ = std::make_unique<ListOwnerActions>(std::move(parts));
    commands_->setNowPlayingDelete([this] { ownerActions_->deleteFromNowPlaying(); });
    listView_->setActions(ownerActions_.get());
    listView_->setHostWindow(module_.hostWindow());
    nowPlayingHook_ = model_.nowPlaying().addClearHook([this] { nowPlayingCleared(); });
    lyrics_ = std::make_unique<PlayedSongLyrics>(
        model_.context(), settingsKey_.get(), module_.startup().serviceA,
        [this](const std::string& address, const std::string& body) { postHtml(address, body); });
}

void ListPanel::windowGone() {
    // Only the pointers go: the widgets die with the window, and with the host window the
    // target of the panel's messages is gone too.
    model_.stopReaders(); // they post to the window
    dropNowPlayingHook();
    listView_ = nullptr;
    buttons_ = nullptr;
    promotion_ = nullptr;
    ownerActions_.reset();
    commands_.reset();
    showPage_.reset();
    model_.context().host = nullptr;
}

void ListPanel::destroyWindow() {
    dropNowPlayingHook();
    // The readers write into the stores: they stop before anything goes.
    model_.stopReaders();
    // The browser window of the dialogs' links is drawn by this module, which may go next.
    ExternalBrowser::closeWindow();
    if (listView_ != nullptr) {
        listView_->setActions(nullptr);
        listView_->saveColumns();
        listView_->dropRows();
    }
    model_.tearDown();
    if (window_) {
        window_->setHandlers(nullptr);
        delete promotion_;
        delete buttons_;
        if (listView_ != nullptr) {
            listView_->close();
            delete listView_;
        }
        delete window_.data();
    }
    promotion_ = nullptr;
    buttons_ = nullptr;
    listView_ = nullptr;
    ownerActions_.reset();
    drops_.reset();
    commands_.reset();
    showPage_.reset();
}

int ListPanel::setWindowPos(WindowHandle insertAfter, int x, int y, int cx, int cy, unsigned flags) {
    return WindowPlacement::apply(window_.data(), insertAfter, x, y, cx, cy, flags);
}

void ListPanel::moveWindow(int x, int y, int cx, int cy, bool repaint) {
    if (!window_)
        return;
    window_->setGeometry(x, y, cx, cy);
    if (repaint)
        window_->update();
}

WindowHandle ListPanel::window() const {
    return window_.data();
}

// ---- now-playing store ----

int ListPanel::nowPlayingCount() const {
    return model_.nowPlaying().count();
}

NextSongResult ListPanel::nextSong(const NextSongRequest& request) {
    NextSongResult result = PlayNext::run(model_.nowPlaying(), model_.context(), request, model_.albumDb());
    if (listView_ != nullptr && state().pageKind == ListPages::pageKindOf(menu::kNowPlaying)) {
        if (option_ == kFollowPlayedSong)
            listView_->showCurrent(result.position);
        else
            listView_->list().setCurrentRow(result.position);
    }
    lastPlayedText_ = result.storedText;
    const Song* played = model_.nowPlaying().get(result.position);
    // A song that does not play gets no lyrics steps.
    if (played != nullptr && lyrics_ && request.hostText.empty() && !result.refused) {
        const Song song = *played;
        lyrics_->played(song);
    }
    return result;
}

void ListPanel::listen() {
    if (commands_)
        commands_->listenTicked();
}

void ListPanel::actOnNowPlaying(int action, const std::vector<int>& positions, std::intptr_t) {
    if (commands_)
        commands_->nowPlayingAction(action, positions);
}

void ListPanel::transferToDevice(int target) {
    if (commands_)
        commands_->transfer(target);
}

int ListPanel::setPlayState(int playState) {
    SongStore& nowPlaying = model_.nowPlaying();
    Song* current = nowPlaying.get(nowPlaying.current());
    if (current == nullptr)
        return 0;
    current->Play_State = playState;
    showPlayState(*current);
    return 1;
}

void ListPanel::showPlayState(const Song& current) {
    if (listView_ == nullptr)
        return;
    SongListView& list = listView_->list();
    for (int row = 0; row < list.rowCount(); ++row) {
        Song* shown = list.record(row);
        if (shown != nullptr && shown->view(SongField::Song_ID) == current.text(SongField::Song_ID) &&
            current.text(SongField::Song_ID)[0] != '\0') {
            shown->Play_State = current.Play_State;
            list.refreshRow(row);
        }
    }
    list.viewport()->update();
}

void ListPanel::playFiles(const std::vector<std::string>& paths) {
    CommandContext context = commandContext();
    HostSongEntries(model_).play(context, paths);
}

void ListPanel::notifyStoppedByService() {
    HostSongEntries::stoppedByService(model_.context().box);
}

void ListPanel::addToLocalAlbum(std::string_view path, std::string_view albumId) {
    // The rows point into the store that may grow: they go first, the list is shown again.
    const bool shown = listView_ != nullptr && HostSongEntries::isLocalAlbum(state().menuId);
    if (shown)
        listView_->dropRows();
    HostSongEntries(model_).addToLocalAlbum(path, albumId);
    if (shown)
        showListAgain();
}

void ListPanel::fillSecondStore(std::string_view text, int value) {
    const bool shown = listView_ != nullptr && HostSongEntries::isDeviceList(state().menuId);
    if (shown)
        listView_->dropRows();
    HostSongEntries(model_).fillDeviceList(text, value);
    if (shown)
        showListAgain();
}

int ListPanel::clearCurrentMark() {
    model_.nowPlaying().setCurrent(-1);
    if (listView_ != nullptr)
        listView_->list().setCurrentRow(-1);
    return 1;
}

void ListPanel::selectSong(int index) {
    const PageState& s = state();
    if (listView_ == nullptr || s.pageKind != ListPages::pageKindOf(menu::kNowPlaying))
        return;
    // The mini list may have changed the now-playing list: its rows are read anew.
    listView_->showList(model_.nowPlaying(), showPage_->handOver());
    listView_->showCurrent(index);
}

void ListPanel::reloadOptions() {
    model_.context().codecMode = codecModeFromSettings();
    if (listView_ != nullptr) {
        SongListView& list = listView_->list();
        for (int row = 0; row < list.rowCount(); ++row)
            list.refreshRow(row);
        list.viewport()->update();
    }
}

int ListPanel::setLyricsDownload(int value) {
    return lyrics_ ? lyrics_->setDownloadOption(value) : 0;
}

// ---- pages ----

void ListPanel::showPage(int viewMode, std::string_view text, int menuId, std::string_view text2, int value) {
    if (!commands_)
        return;
    PageRequest request;
    request.viewMode = viewMode;
    request.title = std::string(text);
    request.menuId = menuId;
    request.parameter = std::string(text2);
    request.reserved = value;
    commands_->open(request);
}

void ListPanel::openDownloadStorage(std::string_view text) {
    std::error_code error;
    if (!text.empty() && std::filesystem::is_directory(std::filesystem::path(text), error))
        model_.setFolder(std::filesystem::path(text));
    showPage(kDownloadStorageViewMode, {}, menu::kDownloadStorage, {}, 0);
}

void ListPanel::openDeviceList(int device, int, std::string_view title, std::string_view parameter) {
    const int menuId = device == 0 ? menu::kFirstDevice : menu::kLastDevice;
    showPage(kDeviceListViewMode, title, menuId, parameter, 0);
}

void ListPanel::goToPage(int direction) {
    if (commands_)
        commands_->step(direction == kNextDirection);
}

void ListPanel::followLink(std::string_view link) {
    if (commands_)
        commands_->followLink(link);
}

bool ListPanel::hasPage(int direction) const {
    return commands_ && commands_->hasPage(direction == kNextDirection);
}

int ListPanel::showBlankPage() {
    if (listView_ == nullptr)
        return 0;
    listView_->html().navigate(HtmlArea::kBlankPage);
    return 1;
}

// ---- requests ----

std::string ListPanel::serverTime() {
    return ServerTime::fetch(model_.context());
}

void ListPanel::startPromotion() {
    if (promotion_ != nullptr)
        promotion_->start(PromotionRequest::fetch(model_.context()));
}

void ListPanel::openDialog(int kind, std::string_view a, std::string_view) {
    if (commands_)
        commands_->openDialog(kind, a);
}

void ListPanel::downloadChosen(int, std::string_view) {
    if (commands_)
        commands_->downloadChosen();
}

void ListPanel::downloadCommand(int, std::string_view) {
    if (commands_)
        commands_->downloadTicked(0);
}

void ListPanel::downloadGifts(int, std::string_view) {
    if (commands_)
        commands_->downloadGifts();
}

bool ListPanel::hasPendingWork() const {
    return model_.hasWork();
}

// ---- local files ----

void ListPanel::importPath(std::string_view path) {
    std::error_code error;
    const std::filesystem::path target(path);
    if (std::filesystem::is_directory(target, error)) {
        const FolderWalker walker({FileType::kFolderExtensions.begin(), FileType::kFolderExtensions.end()});
        importFiles(walker.collect(target, true));
    } else if (!path.empty()) {
        importFiles({std::string(path)});
    }
}

void ListPanel::addItems(int kind, std::string_view values) {
    if (!commands_)
        return;
    switch (kind) {
    case kAddFilesKind:
        commands_->addFilesDialog(0, 0);
        break;
    case kAddFolderKind:
        commands_->addFilesSecond(0, 0);
        break;
    case kMyAlbumSongsKind:
        showPage(kServerListViewMode, {}, menu::kOnlineAlbum, values, 0);
        break;
    case kLocalFilesKind:
        importPath(values);
        break;
    case kServiceSongsKind:
        showPage(kServerListViewMode, {}, kServiceSongsMenu, values, 0);
        break;
    default:
        break;
    }
}

int ListPanel::addDroppedFiles(const std::vector<std::string>& paths) {
    return importFiles(SongDrops::expand(paths));
}

int ListPanel::importFiles(const std::vector<std::string>& paths) {
    if (listView_ == nullptr || !commands_)
        return 0;
    const PageImport::Result result = PageImport::into(model_, paths);
    if (result.showAgain)
        commands_->reloadPage(0, 0);
    else
        showListAgain();
    return static_cast<int>(result.outcome.added.size());
}

void ListPanel::nowPlayingCleared() {
    if (listView_ == nullptr || state().pageKind != page_kind::kNowPlaying)
        return;
    listView_->dropRows();
    // Whoever clears fills the store again in the same call: the rows follow once it is done.
    QTimer::singleShot(0, window_.data(), [this] {
        const PageState& s = state();
        if (listView_ != nullptr && s.pageKind == page_kind::kNowPlaying)
            listView_->showList(model_.nowPlaying(), ListHandOver{s.viewMode, s.pageKind, {}, s.header, {}});
    });
}

void ListPanel::dropNowPlayingHook() {
    if (nowPlayingHook_ != 0)
        model_.nowPlaying().removeClearHook(nowPlayingHook_);
    nowPlayingHook_ = 0;
}

void ListPanel::showListAgain() {
    listView_->showList(model_.list(), showPage_->handOver());
}

int ListPanel::readLocalSongInfo(std::string_view path, SongRecord* record) {
    return HostSongEntries(model_).fillRecord(path, record);
}

} // namespace kesto
