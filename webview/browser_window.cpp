#include "webview/browser_window.h"

#include <QWebEngineHttpRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace kesto {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 720;

QUrl urlOf(const std::string& address) {
    return QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::TolerantMode);
}

} // namespace

BrowserWindow::BrowserWindow() : QWebEngineView(static_cast<QWidget*>(nullptr)) {
    setObjectName(QStringLiteral("webBrowserWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kWidth, kHeight);
    page()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    connect(this, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    connect(this, &QWebEngineView::loadFinished, this, &BrowserWindow::onLoadFinished);
}

void BrowserWindow::open(const WebForm& page) {
    if (page.body.empty()) {
        load(urlOf(page.address));
        return;
    }
    QWebEngineHttpRequest request(urlOf(page.address), QWebEngineHttpRequest::Post);
    request.setHeader(QByteArrayLiteral("Content-Type"), QByteArray(kFormContentType));
    request.setPostData(QByteArray::fromStdString(page.body));
    load(request);
}

void BrowserWindow::onLoadFinished(bool ok) {
    if (!ok) {
        emit pageReady(false);
        return;
    }
    page()->runJavaScript(QString::fromLatin1(kNoScrollScript),
                          [this](const QVariant&) { emit pageReady(true); });
}

} // namespace kesto
