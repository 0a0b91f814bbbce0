#include "webview/link_page.h"

#include "links/link_scheme.h"
#include "links/link_script.h"
#include "webview/link_bridge.h"
#include "webview/web_logging.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace kesto {
namespace {

constexpr const char* kChannelScriptResource = ":/qtwebchannel/qwebchannel.js";
constexpr const char* kScriptName = "kesto-link-script";
constexpr const char* kStyleScriptName = "kesto-document-style";
// The page's own scripts never see the bridge, the channel or the link script.
constexpr QWebEngineScript::ScriptWorldId kLinkWorld = QWebEngineScript::ApplicationWorld;

} // namespace

LinkPage::LinkPage(QObject* parent)
    : QWebEnginePage(parent), bridge_(new LinkBridge(this)), channel_(new QWebChannel(this)) {
    channel_->registerObject(QString::fromUtf8(LinkScript::kObjectName.data(),
                                               static_cast<qsizetype>(LinkScript::kObjectName.size())),
                             bridge_);
    setWebChannel(channel_, kLinkWorld);
    // Scheme links in other letters load as pages here; they must not start desktop programs.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    installScript();
    connect(bridge_, &LinkBridge::linkClicked, this, &LinkPage::onBridgeLink);
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
    script.setWorldId(kLinkWorld);
    // Frames may be anyone's: their clicks arrive as navigations and are swallowed there.
    script.setRunsOnSubFrames(false);
    scripts().insert(script);
}

void LinkPage::setDocumentStyle(const QString& source) {
    for (const QWebEngineScript& old : scripts().find(QString::fromLatin1(kStyleScriptName)))
        scripts().remove(old);
    if (source.isEmpty())
        return;
    QWebEngineScript script;
    script.setName(QString::fromLatin1(kStyleScriptName));
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(kLinkWorld);
    script.setRunsOnSubFrames(false);
    scripts().insert(script);
}

void LinkPage::onBridgeLink(const QString& raw, const QString& origin) {
    if (!origins_.contains(QUrl(origin)) || !origins_.contains(url())) {
        qCWarning(webLog) << "link from a page of another origin swallowed:" << origin << raw;
        return;
    }
    emit linkRequested(raw);
}

bool LinkPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    const QString text = url.toString();
    if (!LinkScheme::match(text.toStdString()))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // A connected script has already taken every click on a scheme link as written; a click
    // that still arrives was written in other letters (a URL lower-cases its scheme) and loads.
    if (type == NavigationTypeLinkClicked && bridge_->scriptReady() && isMainFrame)
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // A navigation names neither the document nor the frame it comes from: url() is still the
    // store page while a redirect, a frame's form or a frame's script leads away from it. Only
    // the link script, which runs in the top document alone and says its origin, acts.
    qCWarning(webLog) << "link navigation swallowed:" << text << "type" << type << "while showing"
                      << this->url();
    return false;
}

} // namespace kesto
