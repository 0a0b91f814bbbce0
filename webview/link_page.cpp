#include "webview/link_page.h"

#include "webview/link_bridge.h"
#include "links/link_scheme.h"
#include "links/link_script.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace kesto {
namespace {

constexpr const char* kChannelScriptResource = ":/qtwebchannel/qwebchannel.js";
constexpr const char* kScriptName = "kesto-link-script";

} // namespace

LinkPage::LinkPage(QObject* parent)
    : QWebEnginePage(parent), bridge_(new LinkBridge(this)), channel_(new QWebChannel(this)) {
    channel_->registerObject(QString::fromUtf8(LinkScript::kObjectName.data(),
                                               static_cast<qsizetype>(LinkScript::kObjectName.size())),
                             bridge_);
    setWebChannel(channel_, QWebEngineScript::MainWorld);
    // Scheme links in other letters load as pages here; they must not start desktop programs.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    installScript();
    connect(bridge_, &LinkBridge::linkClicked, this, &LinkPage::linkRequested);
    connect(this, &QWebEnginePage::loadStarted, bridge_, &LinkBridge::documentStarted);
}

void LinkPage::installScript() {
    QFile channelScript(QString::fromLatin1(kChannelScriptResource));
    QString source;
    if (channelScript.open(QIODevice::ReadOnly))
        source = QString::fromUtf8(channelScript.readAll());
    source += QString::fromStdString(LinkScript::source());

    QWebEngineScript script;
    script.setName(QString::fromLatin1(kScriptName));
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    scripts().insert(script);
}

bool LinkPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    const QString text = url.toString();
    if (!LinkScheme::match(text.toStdString()))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // A connected script has already taken every click on a scheme link as written; a click
    // that still arrives was written in other letters (a URL lower-cases its scheme) and loads.
    if (type == NavigationTypeLinkClicked && bridge_->scriptReady())
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    emit linkRequested(text);
    return false;
}

} // namespace kesto
