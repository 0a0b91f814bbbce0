#include "host/window/web_page_window.h"

#include "host/session/host_log.h"

#include <QVBoxLayout>

#ifdef KESTO_HOST_WEBENGINE
#include <QWebEngineHttpRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>
#else
#include <QDesktopServices>
#endif

namespace kesto {

WebPageWindow::WebPageWindow(QWidget* parent) : QWidget(parent, Qt::Window), view_(nullptr) {
    setObjectName(QStringLiteral("webPageWindow"));
    setWindowTitle(QStringLiteral("Kesto Player"));
    resize(820, 640);
#ifdef KESTO_HOST_WEBENGINE
    auto* view = new QWebEngineView(this);
    // Links in other schemes start no desktop program.
    view->settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    connect(view, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        setWindowTitle(title.isEmpty() ? QStringLiteral("Kesto Player") : title);
    });
    view_ = view;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
#endif
}

void WebPageWindow::open(const QUrl& page, const QByteArray& form) {
    // Addresses come from the module: only web pages open, never a file or a desktop program.
    if (page.scheme() != QLatin1String("http") && page.scheme() != QLatin1String("https")) {
        HostLog::write(tr("not a web page, not opened: %1").arg(page.scheme()));
        return;
    }
    last_ = page;
    lastForm_ = form;
#ifdef KESTO_HOST_WEBENGINE
    QWebEngineHttpRequest request(page);
    if (!form.isEmpty()) {
        request.setMethod(QWebEngineHttpRequest::Post);
        request.setHeader(QByteArrayLiteral("Content-Type"),
                          QByteArrayLiteral("application/x-www-form-urlencoded"));
        request.setPostData(form);
    }
    static_cast<QWebEngineView*>(view_)->load(request);
    show();
    raise();
    activateWindow();
#else
    // Without the engine the desktop's browser opens the address; a form cannot go with it.
    if (!form.isEmpty())
        HostLog::write(tr("no web engine: the form of %1 is not sent").arg(page.toString()));
    QDesktopServices::openUrl(page);
#endif
}

} // namespace kesto
