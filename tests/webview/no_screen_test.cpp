// Where no window can be made (here: a platform without a screen), a hyperlink of the dialogs
// opens nothing and the user reads "Fail WebBrowser". Runs with -platform
// offscreen:configfile=no_screen.json; no widget is shown, so Qt never needs a screen.
#include "webview/external_browser.h"
#include "webview/hyperlink.h"

#include "tests/protocol/protocol_doubles.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

using namespace kesto;

class NoScreenTest : public QObject {
    Q_OBJECT

private slots:
    void linksSayFailWebBrowser() {
        QVERIFY2(QGuiApplication::primaryScreen() == nullptr, "needs a platform without screens");
        test::Rig rig;
        const ProtocolContext& context = rig.context;

        Hyperlink charge(QStringLiteral("charge"), WebHandoff(context).cashCharge(), false, context, nullptr);
        charge.follow();
        Hyperlink faq(QStringLiteral("faq"), {WebHandoff(context).faqPage(), {}}, true, context, nullptr);
        faq.follow();
        QVERIFY(ExternalBrowser::window() == nullptr);
        QCOMPARE(rig.box.texts(), (std::vector<std::string>{"Fail WebBrowser", "Fail WebBrowser"}));
        QCOMPARE(rig.box.shown.front().caption, std::string("Kesto Player"));
        QCOMPARE(rig.box.shown.front().style, mb::kStopOk);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NoScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "no_screen_test.moc"
