#include "webview/external_browser.h"

#include "platform/message_box.h"
#include "webview/html_area_factory.h"
#include "webview/light_browser_window.h"

#ifdef KESTO_WITH_WEBENGINE
#include "webview/browser_window.h"
#endif

#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QScreen>
#include <QUrl>

namespace kesto {
namespace {

// The one window while it is open; it deletes itself when the user closes it.
QPointer<QWidget> openWindow;
WebWindow* openPage = nullptr;

WebWindow* makeWindow(const ExternalBrowser::Parts& parts) {
#ifdef KESTO_WITH_WEBENGINE
    if (HtmlAreaFactory::usesWebEngine())
        return new BrowserWindow();
#endif
    return new LightBrowserWindow(parts.request);
}

} // namespace

bool ExternalBrowser::canMakeWindow() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
           QGuiApplication::primaryScreen() != nullptr;
}

bool ExternalBrowser::open(const WebForm& page, const Parts& parts) {
#ifdef KESTO_WITH_WEBENGINE
    const bool engine = HtmlAreaFactory::usesWebEngine();
#else
    const bool engine = false;
#endif
    // Without the engine a plain page is better served by the desktop's own browser.
    if (!engine && page.body.empty() && !page.address.empty() &&
        QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(page.address))))
        return true;
    return openInWindow(page, parts);
}

bool ExternalBrowser::openExternal(const std::string& address, const Parts& parts) {
    if (!address.empty() && QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(address))))
        return true;
    return openInWindow({address, {}}, parts);
}

bool ExternalBrowser::openInWindow(const WebForm& page, const Parts& parts) {
    if (!openWindow) {
        if (!canMakeWindow()) {
            if (parts.box != nullptr)
                parts.box->show(kFailText, kMessageBoxCaption, mb::kStopOk);
            return false;
        }
        openPage = makeWindow(parts);
        openWindow = openPage->widget();
    }
    openPage->open(page);
    openWindow->show();
    openWindow->raise();
    openWindow->activateWindow();
    return true;
}

QWidget* ExternalBrowser::window() {
    return openWindow.data();
}

void ExternalBrowser::closeWindow() {
    delete openWindow.data();
    openPage = nullptr;
}

} // namespace kesto
