#include "host/window/lyrics_pane.h"

#ifdef KESTO_HOST_WEBENGINE
#include <QWebEngineView>
#else
#include <QLabel>
#endif

namespace kesto {

LyricsPane::LyricsPane(QWidget* parent) : QDockWidget(QStringLiteral("가사"), parent) {
    setObjectName(QStringLiteral("lyricsPane"));
#ifdef KESTO_HOST_WEBENGINE
    setWidget(new QWebEngineView(this));
#else
    auto* label = new QLabel(this);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    setWidget(label);
#endif
    setMinimumWidth(240);
}

void LyricsPane::showPage(const QUrl& page) {
    page_ = page;
#ifdef KESTO_HOST_WEBENGINE
    static_cast<QWebEngineView*>(widget())->load(page);
#else
    static_cast<QLabel*>(widget())->setText(
        QStringLiteral("<a href=\"%1\">%1</a>").arg(page.toString().toHtmlEscaped()));
#endif
    show();
}

} // namespace kesto
