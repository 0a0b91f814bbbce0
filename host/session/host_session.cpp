#include "host/session/host_session.h"

#include "host/demo/demo_library.h"
#include "host/session/host_panel_area.h"
#include "host/session/log_mask.h"
#include "host/store/demo_account.h"
#include "host/store/host_albums.h"
#include "host/store/host_downloads.h"
#include "host/window/download_bar.h"
#include "host/window/main_window.h"
#include "host/window/page_menu.h"
#include "host/window/player_settings.h"
#include "host/window/skin_button.h"
#include "host/window/source_pane.h"
#include "include/kesto/panel_api.h"

#include <QEvent>
#include <QFileInfo>
#include <QMenuBar>

#include <algorithm>
#include <cstring>

namespace kesto {

namespace {
constexpr int kRequestPromotion = 1;
// The log-in reply's fields are VT-separated; the second is the key every request carries,
// the third the account's password.
constexpr std::size_t kKeyField = 1;
constexpr std::size_t kPasswordField = 2;
constexpr const char* kFirstChart = "00101";
constexpr int kBandMargin = 4;
constexpr int kNowPlayingKind = 1;

std::string replyField(const std::string& reply, std::size_t index) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < index; ++i) {
        begin = reply.find('\x0B', begin);
        if (begin == std::string::npos)
            return {};
        ++begin;
    }
    return reply.substr(begin, reply.find('\x0B', begin) - begin);
}
} // namespace

HostSession::HostSession(MainWindow& window) : window_(window) {}

bool HostSession::start(const QString& modulePath, const std::filesystem::path& dataFolder) {
    QString why;
    if (service_.start(dataFolder, why))
        window_.log(QStringLiteral("reference service at %1, data in %2")
                        .arg(QString::fromStdString(service_.baseUrl()),
                             QString::fromStdString(service_.dataFolder().string())));
    else
        window_.say(tr("The store does not run: %1").arg(why));
    if (!module_.load(modulePath) || module_.open(window_.panelArea()) == nullptr) {
        window_.say(tr("The list panel could not be loaded: %1").arg(module_.error()));
        return false;
    }
    window_.log(QStringLiteral("module loaded: %1").arg(modulePath));
    std::string demoWhy;
    if (DemoLibrary::ensure(service_.dataFolder(), demoWhy))
        window_.log(QStringLiteral("demo library made in %1")
                        .arg(QString::fromStdString(DemoLibrary::folderIn(service_.dataFolder()).string())));
    else if (!demoWhy.empty())
        window_.log(QStringLiteral("no demo library: %1").arg(QString::fromStdString(demoWhy)));
    module_.entry<KestoEntry14>(14)(nullptr, tables_.skin(), tables_.network(), 1, tables_.serviceA(),
                                    tables_.serviceB());
    startDownloads(modulePath);
    logIn();
    const QRect area = window_.panelArea()->rect();
    const KestoRect rect{0, 0, area.width(), area.height()};
    const int created = module_.entry<KestoEntry16>(16)(&rect, 0);
    window_.log(QStringLiteral("entry 16 (create panel) returned %1").arg(created));
    if (created != 1)
        window_.say(tr("The list panel could not be made"));
    keepBandInReach();
    // Lyrics show as the service's page in the lyrics pane and the player keeps no lyrics files:
    // the panel hands a missing one over unasked (and the player drops it) instead of asking
    // about a file on every song.
    module_.entry<KestoEntry72>(72)(1);
    window_.panelArea()->installEventFilter(this);
    PageMenu::install(*window_.menuBar(), [this](const HostPage& page) { show(page); });
    if (created == 1)
        module_.entry<KestoEntry39>(39)(nullptr, nullptr, kRequestPromotion, 1);
    sources_ = new SourcePane(
        [this](int menuId, const std::string& parameter) { showMenuId(menuId, parameter.c_str()); },
        &window_);
    sources_->fill(service_.dataFolder().string());
    window_.setSourcePane(sources_);
    connect(window_.panelArea(), &HostPanelArea::messageArrived, this,
            [this](unsigned message, qintptr, qintptr) {
                // A play list made or renamed in the panel shows in the pane at once.
                if (message == KESTO_MSG_PLAYLIST_CHANGED)
                    refreshSources();
                markNowPlaying();
            });
    return true;
}

void HostSession::logIn() {
    QString why;
    const auto reply = service_.login(why);
    if (!reply) {
        window_.say(tr("Could not log in to the store %1").arg(why));
        return;
    }
    LogMask::keepSecret(replyField(*reply, kKeyField));
    LogMask::keepSecret(replyField(*reply, kPasswordField));
    module_.entry<KestoEntry39>(39)(reply->c_str(), DemoAccount::kUserId, 0, 0);
    HostAlbums::install(tables_.serviceA(), service_.baseUrl(), DemoAccount::kUserId,
                        replyField(*reply, kKeyField));
    downloads_->install(tables_.serviceA(),
                        {service_.baseUrl(), DemoAccount::kUserId, replyField(*reply, kKeyField)});
    window_.log(QStringLiteral("entry 39: logged in as %1").arg(QString::fromLatin1(DemoAccount::kUserId)));
}

void HostSession::show(const HostPage& page) {
    window_.log(QStringLiteral("page %1 (menu id %2)").arg(QString::fromUtf8(page.title)).arg(page.menuId));
    if (*page.title != '\0')
        window_.say(QString::fromUtf8(page.title));
    if (module_.table() == nullptr)
        return;
    shownMenu_ = page.menuId;
    shownParameter_ = page.parameter;
    PlayerSettings::setValue(
        PlayerSettings::kLastPage,
        QStringLiteral("%1/%2").arg(page.menuId).arg(QString::fromLatin1(page.parameter)));
    if (sources_ != nullptr)
        sources_->markShown(page.menuId, page.parameter);
    if (page.menuId == KESTO_MENU_DOWNLOAD_STORAGE)
        module_.entry<KestoEntry38>(38)("");
    else
        module_.entry<KestoEntry23>(23)(page.viewMode, "", page.menuId, page.parameter, 0);
}

void HostSession::showOpeningPage() {
    const QString last = PlayerSettings::value(PlayerSettings::kLastPage).toString();
    const qsizetype slash = last.indexOf(QLatin1Char('/'));
    bool known = false;
    const int menuId = last.left(slash).toInt(&known);
    if (slash > 0 && known)
        showMenuId(menuId, last.mid(slash + 1).toStdString().c_str());
    else
        showMenuId(KESTO_MENU_SERVICE_LIST, kFirstChart);
}

void HostSession::showMenuId(int menuId, const char* parameter) {
    // The menu's own entry when there is one, so that the log names the page.
    for (const HostPage& page : PageMenu::pages())
        if (page.menuId == menuId && std::strcmp(page.parameter, parameter) == 0)
            return show(page);
    const HostPage page{"", "", KESTO_VIEW_LIST, menuId, parameter};
    show(page);
}

void HostSession::refreshSources() {
    if (sources_ != nullptr)
        sources_->fill(service_.dataFolder().string());
}

void HostSession::markNowPlaying() {
    // The panel turns to the now-playing list by itself (listening, mini mode ending): the
    // pane marks it as the page in view.
    auto pageKind = module_.entry<KestoEntry13>(13);
    if (sources_ == nullptr || pageKind == nullptr || pageKind() != kNowPlayingKind ||
        shownMenu_ == KESTO_MENU_NOW_PLAYING)
        return;
    shownMenu_ = KESTO_MENU_NOW_PLAYING;
    shownParameter_.clear();
    sources_->markShown(KESTO_MENU_NOW_PLAYING, "");
}

void HostSession::keepBandInReach() {
    // No button of the panel is ever out of reach: the panel area is never narrower than the
    // buttons the skin made in it, and the panes beside it give way instead.
    QWidget* area = window_.panelArea();
    int right = 0;
    for (const SkinButton* button : area->findChildren<SkinButton*>())
        if (!button->isHidden())
            right = std::max(right, button->mapTo(area, QPoint(button->width(), 0)).x());
    if (right > 0)
        area->setMinimumWidth(right + kBandMargin);
}

void HostSession::startDownloads(const QString& modulePath) {
    downloads_ = std::make_unique<HostDownloads>(QFileInfo(modulePath).absolutePath().toStdString());
    auto* bar = new DownloadBar(window_);
    connect(downloads_.get(), &HostDownloads::progress, bar, &DownloadBar::showProgress);
    connect(bar, &DownloadBar::cancelRequested, downloads_.get(), &HostDownloads::cancel);
    connect(downloads_.get(), &HostDownloads::finished, this,
            [this, bar](const QStringList& landed, const QStringList& failed, const QString& folder) {
                // The download storage and the play list the songs went into list them now.
                if (shownMenu_ == KESTO_MENU_DOWNLOAD_STORAGE || shownMenu_ == KESTO_MENU_LOCAL_ALBUM)
                    showMenuId(shownMenu_, std::string(shownParameter_).c_str());
                bar->showFinished(landed, failed, folder);
            });
}

bool HostSession::eventFilter(QObject* watched, QEvent* event) {
    // The panel fills the panel area whatever its size.
    if (event->type() == QEvent::Resize && watched == window_.panelArea())
        if (auto move = module_.entry<KestoEntry19>(19))
            move(0, 0, window_.panelArea()->width(), window_.panelArea()->height(), 1);
    return QObject::eventFilter(watched, event);
}

HostSession::~HostSession() {
    HostAlbums::detach();
    downloads_.reset();
    if (auto destroy = module_.entry<KestoEntry17>(17))
        destroy();
}

} // namespace kesto
