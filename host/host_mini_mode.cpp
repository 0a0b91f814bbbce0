#include "host/host_mini_mode.h"

#include "host/host_panel_area.h"
#include "host/main_window.h"
#include "host/module_loader.h"
#include "settings/rect_value.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace kesto {

namespace {

HostMiniMode* current = nullptr;

constexpr int kShowCommand = 5;
constexpr int kHideCommand = 0;
constexpr int kDefaultWidth = 351;
constexpr int kDefaultHeight = 400;
// A chart with songs for the tour, and the play mode that plays the given position.
constexpr int kChartMenu = 1001;
constexpr int kChartViewMode = 2;
constexpr const char* kTourChart = "00104";
constexpr int kPlayThisOne = 0;
constexpr int kTourSongsTried = 10;

bool grabTo(QWidget* widget, const QString& file) {
    return widget != nullptr && widget->grab().save(file, "PNG");
}

} // namespace

HostMiniMode::HostMiniMode(MainWindow& window, const ModuleLoader& module)
    : window_(window), module_(module) {
    current = this;
    connect(window_.panelArea(), &HostPanelArea::messageArrived, this,
            [this](unsigned message, qintptr, qintptr) { onMessage(message); });
}

HostMiniMode::~HostMiniMode() {
    if (active_)
        leave();
    if (current == this)
        current = nullptr;
}

void HostMiniMode::install(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QString::fromUtf8("미니 모드"));
    toggle_ = menu->addAction(QString::fromUtf8("미니 모드로 보기"));
    toggle_->setCheckable(true);
    connect(toggle_, &QAction::triggered, this, [this](bool on) { on ? enter() : leave(); });
}

KestoRect HostMiniMode::listRect() const {
    // Where the list was last time; else beside the main window.
    RegistryKey key;
    std::string kept;
    key.ReadString(settings::kMain, kept, settings::kMiniListRectInfo);
    if (const auto rect = RectValue::parse(kept))
        return *rect;
    const QRect frame = window_.frameGeometry();
    const int left = frame.right() + 1;
    return {left, frame.top(), left + kDefaultWidth, frame.top() + kDefaultHeight};
}

void HostMiniMode::enter() {
    if (active_ || module_.table() == nullptr)
        return;
    const KestoRect rect = listRect();
    const int list = module_.entry<KestoEntry27>(27)(&rect);
    const int text = module_.entry<KestoEntry29>(29)();
    module_.entry<KestoEntry26>(26)(1);
    module_.entry<KestoEntry34>(34)(kShowCommand);
    active_ = list == 1;
    window_.log(
        QStringLiteral("mini mode on: entry 27 returned %1, entry 29 returned %2").arg(list).arg(text));
    if (toggle_ != nullptr)
        toggle_->setChecked(active_);
}

void HostMiniMode::leave() {
    if (!active_)
        return;
    module_.entry<KestoEntry34>(34)(kHideCommand);
    module_.entry<KestoEntry26>(26)(0);
    module_.entry<KestoEntry30>(30)();
    module_.entry<KestoEntry28>(28)();
    active_ = false;
    window_.log(QStringLiteral("mini mode off"));
    if (toggle_ != nullptr)
        toggle_->setChecked(false);
}

void HostMiniMode::onMessage(unsigned message) {
    if (message == KESTO_MSG_MINI_LIST_CLOSED)
        leave();
}

void HostMiniMode::closeSongText() {
    if (current != nullptr && current->module_.table() != nullptr)
        current->module_.entry<KestoEntry30>(30)();
}

void HostMiniMode::tour(const QString& dir, std::function<void(bool ok)> done) {
    if (module_.table() == nullptr)
        return done(false);
    module_.entry<KestoEntry23>(23)(kChartViewMode, "", kChartMenu, kTourChart, 0);
    module_.entry<KestoEntry53>(53)(1);
    module_.entry<KestoEntry45>(45)();
    enter();
    // Plays the first of the leading songs that has lyrics, so that the page shows them.
    for (int position = 0; position < kTourSongsTried; ++position) {
        int hasLyrics = 0;
        module_.entry<KestoEntry24>(24)("", kPlayThisOne, position, 0, nullptr, nullptr, nullptr, nullptr,
                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        nullptr, nullptr, &hasLyrics, nullptr);
        if (hasLyrics != 0)
            break;
    }
    QTimer::singleShot(kSettleMs, this, [this, dir, done = std::move(done)] {
        bool ok = grabTo(static_cast<QWidget*>(module_.entry<KestoEntry31>(31)()),
                         QDir(dir).filePath(QStringLiteral("mini-list.png")));
        ok = grabTo(static_cast<QWidget*>(module_.entry<KestoEntry32>(32)()),
                    QDir(dir).filePath(QStringLiteral("song-text.png"))) &&
             ok;
        leave();
        done(ok);
    });
}

} // namespace kesto
