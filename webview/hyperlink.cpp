#include "webview/hyperlink.h"

#include "platform/plain_text.h"
#include "webview/external_browser.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kesto {

Hyperlink::Hyperlink(const QString& text, WebForm target, bool external, const ProtocolContext& context,
                     QWidget* parent)
    : QLabel(parent), target_(std::move(target)), external_(external), context_(context) {
    setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(PlainText::toolTip(QString::fromStdString(target_.address)));
}

void Hyperlink::follow() {
    const ExternalBrowser::Parts parts{context_.request, context_.box};
    // The bridge opens the page logged in; the plain address would ask the user to log in.
    if (const auto bridged = WebHandoff(context_).loginBridgeFor(target_.address))
        ExternalBrowser::open(*bridged, parts);
    else if (external_ && target_.body.empty())
        ExternalBrowser::openExternal(target_.address, parts);
    else
        ExternalBrowser::open(target_, parts);
}

void Hyperlink::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        follow();
}

void Hyperlink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        follow();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace kesto
