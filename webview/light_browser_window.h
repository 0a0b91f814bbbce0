#pragma once
// The light browser window where the embedded engine is missing: it asks the page through the
// host's request function (by POST with the form body where there is one) and shows the
// store's CP949 page as rich text. Plain links of the page open in the same window.

#include "include/kesto/panel_api.h"
#include "webview/web_window.h"

#include <QTextBrowser>

namespace kesto {

class LightBrowserWindow final : public QTextBrowser, public WebWindow {
    Q_OBJECT
public:
    explicit LightBrowserWindow(KestoNetRequestFn request);

    QWidget* widget() override { return this; }
    void open(const WebForm& page) override;
    const std::string& address() const { return address_; }

protected:
    // Nothing a page names is loaded: Qt would read any local file an <img> points to.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);

    KestoNetRequestFn request_;
    std::string address_;
};

} // namespace kesto
