#include "webview/text_html_area.h"

#include <QMouseEvent>
#include <QTextDocument>
#include <QUrl>

namespace kesto {

TextHtmlArea::TextHtmlArea(QWidget* parent) : QTextBrowser(parent), address_(kBlankPage) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString link = pressedLink_.isEmpty() ? url.toString(QUrl::None) : pressedLink_;
        pressedLink_.clear();
        if (handler_)
            handler_(link.toStdString());
    });
    connect(document(), &QTextDocument::contentsChanged, this, [this] { reportTitle(); });
}

void TextHtmlArea::reportTitle() {
    const QString title = document()->metaInformation(QTextDocument::DocumentTitle);
    if (title == title_)
        return;
    title_ = title;
    if (titleHandler_)
        titleHandler_(TitleLinks::parse(title.toStdString()).last());
}

void TextHtmlArea::navigate(const std::string& address) {
    address_ = address;
    if (!shownAddress_.empty() && address == shownAddress_)
        return;
    shownAddress_ = address;
    if (address == kBlankPage) {
        clear();
        return;
    }
    // The address itself, as a link the user can follow in a browser of the host.
    const QString text = QString::fromStdString(address).toHtmlEscaped();
    QTextBrowser::setHtml(QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(text));
}

void TextHtmlArea::mouseReleaseEvent(QMouseEvent* event) {
    pressedLink_ = anchorAt(event->position().toPoint());
    QTextBrowser::mouseReleaseEvent(event);
    pressedLink_.clear();
}

QVariant TextHtmlArea::loadResource(int, const QUrl&) {
    // An empty answer, not a null one: on a null one the document reads the file itself.
    return QByteArray();
}

void TextHtmlArea::setHtml(const std::string& htmlUtf8) {
    address_.clear();
    shownAddress_.clear();
    QTextBrowser::setHtml(QString::fromStdString(htmlUtf8));
}

} // namespace kesto
