#pragma once
// The browser window of the panel's hyperlinks on the embedded engine: a top-level window that
// posts a form with its content type where the page has a body. Once a document has loaded,
// its body's scroll attribute is set to "no", as the service's pages expect of this window.

#include "webview/web_window.h"

#include <QWebEngineView>

namespace kesto {

class BrowserWindow final : public QWebEngineView, public WebWindow {
    Q_OBJECT
public:
    static constexpr const char* kNoScrollScript =
        "if (document.body) { document.body.setAttribute('scroll', 'no'); 'no'; }";

    BrowserWindow();

    QWidget* widget() override { return this; }
    void open(const WebForm& page) override;

signals:
    // The page is loaded and its scroll attribute set.
    void pageReady(bool ok);

private:
    void onLoadFinished(bool ok);
};

} // namespace kesto
