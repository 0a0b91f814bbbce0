#pragma once
// The HTML area on the embedded browser engine. Links with the service's schemes never load:
// their text, exactly as the page wrote it, goes to the link handler. When a top-level store
// page has loaded, the links its title announces go to the title-link handler (for the panel's
// link label); a page of another origin empties the label. The host must set Qt::AA_ShareOpenGLContexts
// before its application object.

#include "links/title_links.h"
#include "webview/html_area.h"

#include <QWebEngineView>

#include <optional>
#include <string_view>

namespace kesto {

class LinkPage;

class WebHtmlArea final : public QWebEngineView, public HtmlArea {
    Q_OBJECT
public:
    static constexpr const char* kFormContentType = "application/x-www-form-urlencoded";

    explicit WebHtmlArea(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void setLogin(const LoginBlock* login) override;
    void setSkin(KestoHostTable skin) override;
    // An empty address shows the blank page; an address off the store's origins (or not http
    // or https) is not loaded and the view stays as it was.
    void navigate(const std::string& address) override;
    // With a body, the page is asked for by POST with a form content type; the body ends at
    // its first NUL, as a C string would.
    void navigate(const std::string& address, std::string_view postBody);
    void post(const std::string& address, std::string_view body) override { navigate(address, body); }
    void setHtml(const std::string& htmlUtf8) override;
    // Relative links and the page's origin resolve against the base address.
    void setHtml(const std::string& htmlUtf8, const std::string& baseAddress);
    std::string address() const override { return address_; }
    void setLinkHandler(LinkHandler handler) override { linkHandler_ = std::move(handler); }
    // Texts in UTF-8; called with nothing when the title announces no links.
    void setTitleLinkHandler(TitleLinkHandler handler) override { titleHandler_ = std::move(handler); }
    // Whether the last top-level document finished loading.
    bool pageComplete() const { return pageComplete_; }

private:
    void onLinkRequested(const QString& link);
    void onLoadFinished(bool ok);

    LinkPage* page_;
    std::string address_;
    bool pageComplete_ = false;
    LinkHandler linkHandler_;
    TitleLinkHandler titleHandler_;
};

} // namespace kesto
