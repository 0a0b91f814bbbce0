#include "webview/web_html_area.h"

#include "webview/link_page.h"
#include "webview/scroll_bar_skin.h"
#include "webview/web_logging.h"

#include <QWebEngineHttpRequest>

namespace kesto {
namespace {

// Addresses are bytes as the protocol built them: bytes beyond ASCII (CP949 query values)
// travel percent-encoded, unchanged.
QUrl urlOf(std::string_view address) {
    return QUrl::fromEncoded(QByteArray(address.data(), static_cast<qsizetype>(address.size())),
                             QUrl::TolerantMode);
}

} // namespace

WebHtmlArea::WebHtmlArea(QWidget* parent) : QWebEngineView(parent), page_(new LinkPage(this)) {
    setPage(page_);
    connect(page_, &LinkPage::linkRequested, this, &WebHtmlArea::onLinkRequested);
    connect(page_, &QWebEnginePage::loadStarted, this, [this] { pageComplete_ = false; });
    connect(page_, &QWebEnginePage::loadFinished, this, &WebHtmlArea::onLoadFinished);
}

void WebHtmlArea::setLogin(const LoginBlock* login) {
    page_->setLogin(login);
}

void WebHtmlArea::setSkin(KestoHostTable skin) {
    page_->setDocumentStyle(ScrollBarSkin::script(ScrollBarSkin::styleSheet(skin)));
}

void WebHtmlArea::navigate(const std::string& address) {
    navigate(address, {});
}

void WebHtmlArea::navigate(const std::string& address, std::string_view postBody) {
    // Addresses come from replies: only the store's own web pages load, never a local file.
    if (!address.empty() && address != kBlankPage && !page_->origins().contains(urlOf(address))) {
        qCWarning(webLog) << "address outside the store not loaded:" << address.c_str();
        return;
    }
    address_ = address.empty() ? std::string(kBlankPage) : address;
    postBody = postBody.substr(0, postBody.find('\0'));
    if (postBody.empty()) {
        load(urlOf(address_));
        return;
    }
    QWebEngineHttpRequest request(urlOf(address_), QWebEngineHttpRequest::Post);
    request.setHeader(QByteArrayLiteral("Content-Type"), QByteArray(kFormContentType));
    request.setPostData(QByteArray(postBody.data(), static_cast<qsizetype>(postBody.size())));
    load(request);
}

void WebHtmlArea::setHtml(const std::string& htmlUtf8) {
    setHtml(htmlUtf8, {});
}

void WebHtmlArea::setHtml(const std::string& htmlUtf8, const std::string& baseAddress) {
    address_.clear();
    QWebEngineView::setHtml(QString::fromStdString(htmlUtf8), urlOf(baseAddress));
}

void WebHtmlArea::onLinkRequested(const QString& link) {
    if (linkHandler_)
        linkHandler_(link.toStdString());
}

void WebHtmlArea::onLoadFinished(bool ok) {
    // A refused or failed load leaves the view, and its label, as they were.
    if (!ok)
        return;
    pageComplete_ = true;
    if (!titleHandler_)
        return;
    // The label's links act: only a store page may announce them; any other empties the label.
    if (!page_->origins().contains(url())) {
        qCWarning(webLog) << "title links of a page of another origin ignored:" << url();
        titleHandler_(std::nullopt);
        return;
    }
    titleHandler_(TitleLinks::parse(title().toStdString()).last());
}

} // namespace kesto
