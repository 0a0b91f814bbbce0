#include "minimode/mini_song_text.h"

#include "minimode/mini_ids.h"
#include "minimode/mini_skin.h"
#include "minimode/screen_fit.h"
#include "minimode/song_text_window.h"
#include "module/module_state.h"
#include "platform/screen_text.h"
#include "settings/rect_value.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "webview/html_area.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <cstdlib>
#include <cstring>

namespace kesto {

namespace {

KestoRect toRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Read into a buffer of two bytes: a longer text does not fit and counts as not set.
constexpr std::size_t kTopMostBuffer = 2;
constexpr int kTopMostOn = 1;

} // namespace

MiniSongText::~MiniSongText() {
    destroyWindow();
}

KestoRect MiniSongText::placement() {
    RegistryKey key;
    std::optional<KestoRect> stored;
    char text[64] = {};
    if (key.open(std::string(settings::kRootPath) + settings::kMain) &&
        key.readString(settings::kSongTextRectInfoRead, text, sizeof text - 1))
        stored = RectValue::parse(text);
    std::vector<KestoRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(toRect(screen->geometry()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const KestoRect whole = primary != nullptr ? toRect(primary->geometry()) : KestoRect{0, 0, 1024, 768};
    return ScreenFit::place(stored, ScreenFit::centred(whole, kDefaultWidth, kDefaultHeight), screens,
                            kMinWidth, kMinHeight);
}

bool MiniSongText::topMost() const {
    RegistryKey key;
    char text[kTopMostBuffer] = {};
    return key.open(std::string(settings::kRootPath) + settings::kPlayerPanel) &&
           key.readString(settings::kTopMost, text, sizeof text) &&
           std::atoi(std::string(text, strnlen(text, sizeof text)).c_str()) == kTopMostOn;
}

bool MiniSongText::createWindow() {
    if (window_ || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    window_ = new SongTextWindow(topMost());
    window_->html().setLogin(&module_.login());
    window_->setCloseButton(makeCloseButton());
    applySkin();
    moveTo(placement());
    window_->html().navigate(HtmlArea::kBlankPage);
    window_->show();
    module_.postToHost(KESTO_MSG_SONG_TEXT_NOTICE, 0, 0);
    return true;
}

QWidget* MiniSongText::makeCloseButton() {
    const KestoHostTable skin = module_.startup().skin;
    const KestoRect rect{0, 0, 14, 13};
    QWidget* button = nullptr;
    if (auto create = StartupValues::slotAs<KestoSkinCreateButtonFn>(skin, KESTO_SKIN_CREATE_BUTTON))
        button =
            static_cast<QWidget*>(create(window_.data(), mini::kSongTextClose, mini::kSongTextClose, &rect));
    if (button == nullptr)
        button = new QPushButton(QString::fromUtf8("×"), window_);
    else if (auto ready = StartupValues::slotAs<KestoSkinButtonReadyFn>(skin, KESTO_SKIN_BUTTON_READY))
        ready(button);
    button->setObjectName(QStringLiteral("button%1").arg(mini::kSongTextClose));
    if (auto* clickable = qobject_cast<QAbstractButton*>(button))
        QObject::connect(clickable, &QAbstractButton::clicked, window_.data(), [this] {
            // The host closes the window (and keeps its rectangle); without it the window just hides.
            if (auto close = StartupValues::slotAs<KestoSvcCloseFn>(module_.startup().serviceA,
                                                                    KESTO_SVC_A_CLOSE_SONG_TEXT))
                close();
            else if (window_)
                window_->hide();
        });
    return button;
}

void MiniSongText::applySkin() {
    if (const auto colors = MiniSkin::apply(module_.startup().skin, window_.data()))
        window_->setColors(colors->first, colors->second);
}

void MiniSongText::destroyWindow() {
    if (!window_)
        return;
    // The close button may be what led here: the window goes once its signal has returned.
    window_->hide();
    window_->deleteLater();
    window_ = nullptr;
}

WindowHandle MiniSongText::window() const {
    return window_.data();
}

KestoRect MiniSongText::rectangle() const {
    return window_ ? toRect(window_->geometry()) : KestoRect{};
}

void MiniSongText::moveTo(const KestoRect& r) {
    if (window_)
        window_->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void MiniSongText::showSongInfo(std::string_view text) {
    if (window_)
        window_->setTitle(ScreenText::fromCp949(text));
}

void MiniSongText::navigate(const std::string& address) {
    if (!window_)
        return;
    window_->html().navigate(address.empty() ? std::string(HtmlArea::kBlankPage) : address);
    if (!window_->isVisible())
        window_->show();
}

void MiniSongText::post(const std::string& address, const std::string& body) {
    if (!window_)
        return;
    window_->html().post(address, body);
    if (!window_->isVisible())
        window_->show();
}

void MiniSongText::reload() {
    if (window_)
        applySkin();
}

WindowHandle MiniSongText::viewWindow(KestoRect& screenRect) const {
    QWidget* view = window_ ? window_->html().widget() : nullptr;
    if (view == nullptr || !view->isVisible())
        return nullptr;
    const QPoint topLeft = view->mapToGlobal(QPoint(0, 0));
    screenRect = {topLeft.x(), topLeft.y(), topLeft.x() + view->width(), topLeft.y() + view->height()};
    return view;
}

} // namespace kesto
