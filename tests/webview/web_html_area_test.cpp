// The browser view offscreen: scheme links reach the handler exactly as the page wrote them
// and never load, title links reach the label, forms go by POST.
#include "songs/login_block.h"
#include "tests/support/page_server.h"
#include "tests/support/web_test_main.h"
#include "webview/web_html_area.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using namespace kesto;

constexpr int kLoadTimeoutMs = 20000;
constexpr const char* kBase = "http://127.0.0.1/";

// The store the views act for: the pages above and the form server.
LoginBlock storeAt(const std::string& base) {
    LoginBlock login;
    std::snprintf(login.protocolBase, sizeof login.protocolBase, "%s", base.c_str());
    return login;
}
const LoginBlock kStore = storeAt("http://127.0.0.1");

const std::string kLinksPage =
    "<html><head><title>2|Songs|songinfo://1/|Album|albuminfo://12345/</title></head>\n"
    "<body>\n"
    "<a id=\"album\" href=\"albuminfo://12345/\">album</a>\n"
    "<a id=\"buy\" href=\"buyinfo://1/\"><span id=\"buyText\">buy</span></a>\n"
    "<a id=\"search\" href=\"searchinfo://word///\">search</a>\n"
    "<a id=\"song\" href=\"songinfo://2/\">song</a>\n"
    "</body></html>";

class WebHtmlAreaTest : public QObject {
    Q_OBJECT

private:
    struct Recorder {
        std::vector<std::string> links;
        std::vector<std::optional<TitleLink>> titles;
    };

    static void attach(WebHtmlArea& view, Recorder& recorder) {
        view.setLogin(&kStore);
        view.setLinkHandler([&recorder](const std::string& link) { recorder.links.push_back(link); });
        view.setTitleLinkHandler(
            [&recorder](const std::optional<TitleLink>& last) { recorder.titles.push_back(last); });
    }

    // The links page on screen, where the user can click it.
    static void showLinksPage(WebHtmlArea& view, Recorder& recorder) {
        attach(view, recorder);
        view.resize(400, 300);
        view.show();
        view.setHtml(kLinksPage, kBase);
        QTRY_VERIFY_WITH_TIMEOUT(view.pageComplete(), kLoadTimeoutMs);
    }

    // A click of the user's own: only those act.
    static void click(WebHtmlArea& view, const char* id) {
        auto centre = std::make_shared<QVariant>();
        view.page()->runJavaScript(QStringLiteral("(function () { var r = document.getElementById('%1')"
                                                  ".getBoundingClientRect(); return [r.x + 2, r.y + 2]; })()")
                                       .arg(QLatin1String(id)),
                                   [centre](const QVariant& at) { *centre = at; });
        QTRY_VERIFY_WITH_TIMEOUT(centre->isValid(), kLoadTimeoutMs);
        const QVariantList at = centre->toList();
        QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(at[0].toInt(), at[1].toInt()));
    }

private slots:
    void schemeLinksReachTheHandlerAsWrittenAndTitlePairsTheLabel() {
        WebHtmlArea view;
        Recorder seen;
        showLinksPage(view, seen);

        click(view, "album");
        click(view, "buyText"); // a click inside the link counts too
        click(view, "search");
        QTRY_COMPARE_WITH_TIMEOUT(seen.links.size(), std::size_t{3}, kLoadTimeoutMs);
        // The album link as written, not the URL's "0.0.48.57".
        QCOMPARE(seen.links,
                 (std::vector<std::string>{"albuminfo://12345/", "buyinfo://1/", "searchinfo://word///"}));
        // Nothing was loaded by any of them; the page's last title pair reached the label once.
        QCOMPARE(view.title(), QStringLiteral("2|Songs|songinfo://1/|Album|albuminfo://12345/"));
        QCOMPARE(seen.titles.size(), std::size_t{1});
        QVERIFY(seen.titles[0].has_value());
        QCOMPARE(seen.titles[0]->text, std::string("Album"));
        QCOMPARE(seen.titles[0]->link, std::string("albuminfo://12345/"));

        view.setHtml("<html><head><title>Weekly chart</title></head></html>", kBase);
        QTRY_COMPARE_WITH_TIMEOUT(seen.titles.size(), std::size_t{2}, kLoadTimeoutMs);
        QVERIFY(!seen.titles[1].has_value()); // the label is emptied
    }

    void formPagesAreAskedForByPost() {
        test::PageServer server([](const httplib::Request&) {
            return "<html><head><title>1|posted|urlinfo://x</title></head></html>";
        });
        const std::string address = server.base() + "/form.jsp";
        WebHtmlArea view;
        Recorder seen;
        attach(view, seen);
        const LoginBlock formStore = storeAt(server.base());
        view.setLogin(&formStore);
        // What follows a NUL is not sent.
        const std::string body = std::string("userid=kim&password=p%26w") + '\0' + "ignored";
        view.navigate(address, body);
        QCOMPARE(view.address(), address);
        QTRY_COMPARE_WITH_TIMEOUT(seen.titles.size(), std::size_t{1}, kLoadTimeoutMs);
        const auto posted = server.seen();
        QCOMPARE(posted.size(), std::size_t{1});
        QCOMPARE(posted[0].method, std::string("POST"));
        QCOMPARE(posted[0].body, std::string("userid=kim&password=p%26w"));
        QCOMPARE(posted[0].contentType, std::string(WebHtmlArea::kFormContentType));
        QVERIFY(seen.titles[0].has_value());
        QCOMPARE(seen.titles[0]->link, std::string("urlinfo://x"));
    }
};

} // namespace

int main(int argc, char** argv) {
    return kesto::test::runWebTest<WebHtmlAreaTest>(argc, argv);
}

#include "web_html_area_test.moc"
