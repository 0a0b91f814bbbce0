#pragma once
// The web page of the view: it puts the link script into each top-level document and receives
// the raw link texts over its web channel. Only the user's clicks and form submissions in a
// store's top-level page act; scheme links that arrive as navigations (set by a script, a form
// or a redirect, from any frame) never load and never act.

#include "webview/store_origins.h"

#include <QWebEnginePage>

class QWebChannel;

namespace kesto {

class LinkBridge;

class LinkPage final : public QWebEnginePage {
    Q_OBJECT
public:
    explicit LinkPage(QObject* parent = nullptr);

    // The log-in whose bases name the store's origins; none acts without it.
    void setLogin(const LoginBlock* login) { origins_.setLogin(login); }
    // A script run when each top-level document is ready, in the link script's world; an empty
    // one takes the last away.
    void setDocumentStyle(const QString& script);
    const StoreOrigins& origins() const { return origins_; }

signals:
    // The link text as the page wrote it, or as the navigation carried it on the fallback.
    void linkRequested(const QString& link);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void installScript();
    void onBridgeLink(const QString& raw, const QString& origin);

    LinkBridge* bridge_;
    QWebChannel* channel_;
    StoreOrigins origins_;
};

} // namespace kesto
