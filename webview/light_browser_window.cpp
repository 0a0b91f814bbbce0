#include "webview/light_browser_window.h"

#include "platform/cp949.h"
#include "protocol/request_sender.h"

#include <QTextDocument>

namespace kesto {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

} // namespace

LightBrowserWindow::LightBrowserWindow(KestoNetRequestFn request) : QTextBrowser(nullptr), request_(request) {
    setObjectName(QStringLiteral("webBrowserWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenLinks(false);
    resize(kWidth, kHeight);
    connect(this, &QTextBrowser::anchorClicked, this, &LightBrowserWindow::follow);
}

void LightBrowserWindow::open(const WebForm& page) {
    address_ = page.address;
    const bool post = !page.body.empty();
    const std::string reply = RequestSender::send(request_, page.address, post, page.body);
    QTextBrowser::setHtml(QString::fromStdString(Cp949::toUtf8(reply)));
    const QString title = document()->metaInformation(QTextDocument::DocumentTitle);
    setWindowTitle(title.isEmpty() ? QString::fromStdString(page.address) : title);
}

QVariant LightBrowserWindow::loadResource(int, const QUrl&) {
    // An empty answer, not a null one: on a null one the document reads the file itself.
    return QByteArray();
}

void LightBrowserWindow::follow(const QUrl& link) {
    // Only web links: the store's private schemes mean nothing outside the panel.
    const QUrl target = QUrl(QString::fromStdString(address_)).resolved(link);
    if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https"))
        open({target.toString(QUrl::FullyEncoded).toStdString(), {}});
}

} // namespace kesto
