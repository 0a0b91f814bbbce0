// The browser window of the dialogs' hyperlinks on the engine, offscreen, against a loopback
// server: bridged targets are posted as forms with their content type, plain targets asked as
// they are, one window serves every link, and a loaded page's body says scroll="no".
#include "tests/protocol/protocol_doubles.h"
#include "tests/support/page_server.h"
#include "tests/support/web_test_main.h"
#include "webview/browser_window.h"
#include "webview/external_browser.h"
#include "webview/hyperlink.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <httplib.h>

#include <cstring>

namespace {

using namespace kesto;

constexpr int kLoadTimeoutMs = 20000;

using test::PageServer;

// Every page has its path for its title.
std::string pageOfPath(const httplib::Request& request) {
    return "<html><head><title>" + request.path + "</title></head><body>page</body></html>";
}

class BrowserWindowTest : public QObject {
    Q_OBJECT

private slots:
    void linksOpenInOneWindowThatPostsBridgedTargets() {
        PageServer server(&pageOfPath);
        test::Rig rig;
        std::strcpy(rig.login.webBase, server.base().c_str());
        const ProtocolContext& context = rig.context;

        Hyperlink help(QStringLiteral("help"), {server.base() + "/cus_machine_mp3.jsp", {}}, false, context,
                       nullptr);
        help.follow();
        auto* window = qobject_cast<BrowserWindow*>(ExternalBrowser::window());
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QSignalSpy ready(window, &BrowserWindow::pageReady);
        QTRY_VERIFY_WITH_TIMEOUT(ready.count() >= 1, kLoadTimeoutMs);
        QCOMPARE(ready.last().at(0).toBool(), true);
        auto seen = server.seen();
        QCOMPARE(seen.size(), std::size_t{1});
        QCOMPARE(seen[0].method, std::string("POST"));
        QCOMPARE(seen[0].path, std::string("/LoginAppToWeb.jsp"));
        QCOMPARE(seen[0].body, std::string("userid=user1&password=pw&u_key=KEY9&appParam=9&webParam="));
        QCOMPARE(seen[0].contentType, std::string(WebWindow::kFormContentType));
        QCOMPARE(window->windowTitle(), QStringLiteral("/LoginAppToWeb.jsp"));
        QVariant scroll;
        window->page()->runJavaScript(QStringLiteral("document.body.getAttribute('scroll')"),
                                      [&scroll](const QVariant& value) { scroll = value; });
        QTRY_COMPARE_WITH_TIMEOUT(scroll.toString(), QStringLiteral("no"), kLoadTimeoutMs);

        // The questions page as it is, in the same window (the desktop has no browser here).
        Hyperlink faq(QStringLiteral("faq"), {server.base() + "/kesto_player_faqlist.jsp", {}}, true, context,
                      nullptr);
        faq.follow();
        QCOMPARE(ExternalBrowser::window(), static_cast<QWidget*>(window));
        QTRY_VERIFY_WITH_TIMEOUT(ready.count() >= 2, kLoadTimeoutMs);
        seen = server.seen();
        QCOMPARE(seen.back().method, std::string("GET"));
        QCOMPARE(seen.back().path, std::string("/kesto_player_faqlist.jsp"));
        QVERIFY(rig.box.shown.empty());

        ExternalBrowser::closeWindow();
        QVERIFY(ExternalBrowser::window() == nullptr);
    }
};

} // namespace

int main(int argc, char** argv) {
    return kesto::test::runWebTest<BrowserWindowTest>(argc, argv);
}

#include "browser_window_test.moc"
