#include "panel/list_panel.h"

#include "listview/song_list_view.h"
#include "module/module_state.h"
#include "pages/codec_setting.h"
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
#include "songs/panel_messages.h"
#include "webview/external_browser.h"
#include "webview/html_area.h"

#include <QApplication>
#include <QPixmap>

#include <filesystem>

namespace kesto {

namespace {

PanelModelInit modelInit(ModuleState& module) {
    PanelModelInit init;
    const StartupValues& startup = module.startup();
    init.context.request = StartupValues::slotAs<KestoNetRequestFn>(startup.network, KESTO_NET_REQUEST);
    init.context.login = &module.login();
    init.context.port = module.port();
    init.context.host = module.hostWindow();
    init.context.box = module.messageBox();
    if (startup.tagService != 0)
        init.tagReader = StartupValues::slotAs<KestoSvcReadTagsFn>(startup.serviceB, KESTO_SVC_B_READ_TAGS);
    RegistrySection section(settings::kSectionBase);
    init.codecMode = CodecSetting::read(section);
    return init;
}

} // namespace

ListPanel::ListPanel(ModuleState& module)
    : module_(module), model_(modelInit(module)), settingsKey_(std::make_unique<RegistryKey>()),
      downloads_(
          model_.workList(),
          [this] {
              return std::filesystem::path(DownloadFolder::resolve(*settingsKey_, settings::kLastSaveFolder));
          },
          module.messageBox()),
      files_(model_, [this] { return context_.make(); }),
      context_({&module_, &model_, settingsKey_.get(), &downloads_, &files_}), playing_(model_) {}

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
    views_->refreshButtons(); // no page yet: no song button acts
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
    listView_->html().setSkin(module_.startup().skin);
    views_ = std::make_unique<PanelViews>(
        PanelViewParts{window_.data(), buttons_, listView_, &model_.state(), &module_});
    createParts();
    createOwnerActions();
    window_->setChildren(buttons_, promotion_, listView_);
    // Links are followed from Qt's event loop, which lets no exception through.
    listView_->html().setLinkHandler([this](const std::string& link) {
        FailureGuard::run(LogCategory::Panel, "web link", [&] {
            if (navigator_)
                navigator_->followLink(link);
        });
    });
    listView_->linkLabel().setHandler([this](const std::string& link) {
        FailureGuard::run(LogCategory::Panel, "title link", [&] {
            if (navigator_)
                navigator_->followLabelLink(link);
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

void ListPanel::createParts() {
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
    navigator_ = std::make_unique<PageNavigator>(NavigatorParts{
        showPage_.get(), &model_.state(), &model_.context(), views_.get(), model_.context().port,
        window_.data(), [this](const LinkRequest& link) { songs_->playSongLink(link); }});
    views_->setNavigator(navigator_.get());
    web_ = std::make_unique<RowWebPages>(RowWebParts{&model_.state(), &model_.context(), views_.get()});
    songs_ = std::make_unique<SongCommands>(
        SongCommandParts{views_.get(), navigator_.get(), [this] { return context_.make(); },
                         [this] { ownerActions_->deleteFromNowPlaying(); }});
    drops_ = std::make_unique<SongDrops>(SongDropParts{
        &model_, navigator_.get(), songs_.get(), views_.get(), [this] { return context_.make(); },
        [this](const std::vector<std::string>& paths) { return files_.importFiles(paths); }});
    listView_->setDrops(drops_.get());
    files_.attach({listView_, showPage_.get(), navigator_.get(), songs_.get()});
    context_.attach({window_.data(), navigator_.get(), views_.get()});
    playing_.attach(listView_, showPage_.get());
    parts_ = std::make_unique<PanelParts>(PanelParts{*navigator_, *web_, *songs_, *drops_, *views_});
    window_->setParts(parts_.get());
}

void ListPanel::createOwnerActions() {
    ListOwnerParts parts;
    parts.nowPlaying = &model_.nowPlaying();
    parts.list = [this] { return listView_ != nullptr ? &listView_->list() : nullptr; };
    parts.pageKind = [this] { return model_.state().pageKind; };
    parts.songs = [this] { return songs_.get(); };
    parts.drops = [this] { return drops_.get(); };
    parts.showPage = [this](int menuId, int viewMode) {
        if (navigator_)
            navigator_->openMenu(menuId, viewMode);
    };
    parts.dropRows = [this] {
        if (listView_ != nullptr)
            listView_->dropRows();
    };
    parts.skinValue = [this] { return module_.hostValue(0); };
    parts.markingValue = [this] { return module_.hostValue(1); };
    ownerActions_ = std::make_unique<ListOwnerActions>(std::move(parts));
    listView_->setActions(ownerActions_.get());
    listView_->setHostWindow(module_.hostWindow());
    lyrics_ =
        std::make_unique<PlayedSongLyrics>(model_.context(), settingsKey_.get(), module_.startup().serviceA,
                                           [this](const std::string& address, const std::string& body) {
                                               if (views_)
                                                   views_->postHtml(address, body);
                                           });
    playing_.setLyrics(lyrics_.get());
}

void ListPanel::windowGone() {
    // Only the pointers go: the widgets die with the window, and with the host window the
    // target of the panel's messages is gone too.
    model_.stopReaders(); // they post to the window
    playing_.detach();
    listView_ = nullptr;
    buttons_ = nullptr;
    promotion_ = nullptr;
    resetParts();
    model_.context().host = nullptr;
}

void ListPanel::destroyWindow() {
    playing_.detach();
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
        window_->setParts(nullptr);
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
    resetParts();
}

void ListPanel::resetParts() {
    files_.detach();
    context_.detach();
    ownerActions_.reset();
    parts_.reset();
    drops_.reset();
    songs_.reset();
    web_.reset();
    navigator_.reset();
    showPage_.reset();
    views_.reset();
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

std::string ListPanel::serverTime() {
    return ServerTime::fetch(model_.context());
}

void ListPanel::startPromotion() {
    if (promotion_ != nullptr)
        promotion_->start(PromotionRequest::fetch(model_.context()));
}

} // namespace kesto
