#pragma once
// The plain stand-in for the embedded browser: a text browser that names the page it was sent
// to, renders HTML handed to it, and reports clicked links without following them.

#include "webview/html_area.h"

#include <QTextBrowser>

namespace kesto {

class TextHtmlArea final : public QTextBrowser, public HtmlArea {
    Q_OBJECT
public:
    explicit TextHtmlArea(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void navigate(const std::string& address) override;
    void setHtml(const std::string& htmlUtf8) override;
    std::string address() const override { return address_; }
    void setLinkHandler(LinkHandler handler) override { handler_ = std::move(handler); }
    // Reported whenever the shown document's title changes.
    void setTitleLinkHandler(TitleLinkHandler handler) override { titleHandler_ = std::move(handler); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Nothing a page names is loaded: Qt would read any local file an <img> points to.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void reportTitle();

    std::string address_;
    // The address whose page the document holds, empty after setHtml: the same address again
    // leaves the document as it is.
    std::string shownAddress_;
    QString title_;
    TitleLinkHandler titleHandler_;
    // The link text under the mouse as the page wrote it: QUrl would rewrite an authority that
    // looks like a number ("songinfo://12345/").
    QString pressedLink_;
    LinkHandler handler_;
};

} // namespace kesto
