#include "webview/html_area_factory.h"

#include "webview/text_html_area.h"

#ifdef KESTO_WITH_WEBENGINE
#include "webview/web_html_area.h"
#endif

#include <QCoreApplication>

namespace kesto {

bool HtmlAreaFactory::usesWebEngine() {
#ifdef KESTO_WITH_WEBENGINE
    // The engine needs shared GL contexts set before the application object; a host that did
    // not set them gets the text view.
    return !qEnvironmentVariableIsSet(kNoWebEngineVariable) &&
           QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts);
#else
    return false;
#endif
}

HtmlArea* HtmlAreaFactory::create(QWidget* parent) {
#ifdef KESTO_WITH_WEBENGINE
    if (usesWebEngine())
        return new WebHtmlArea(parent);
#endif
    return new TextHtmlArea(parent);
}

} // namespace kesto
