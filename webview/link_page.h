#pragma once
// The web page of the view: it puts the link script into every document, receives the raw
// link texts over its web channel, and catches scheme links that arrive as navigations anyway
// (set by a script, a form or a redirect, or clicked before the script was connected).

#include <QWebEnginePage>

class QWebChannel;

namespace kesto {

class LinkBridge;

class LinkPage final : public QWebEnginePage {
    Q_OBJECT
public:
    explicit LinkPage(QObject* parent = nullptr);

signals:
    // The link text as the page wrote it, or as the navigation carried it on the fallback.
    void linkRequested(const QString& link);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void installScript();

    LinkBridge* bridge_;
    QWebChannel* channel_;
};

} // namespace kesto
