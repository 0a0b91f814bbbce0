// Only the store's own pages act for the user, through the real module and its web view
// against the reference service; navigations that lead away from them never act. A page of another origin,
// and a frame of another origin inside a store page, try every way to a link action (script clicks, bridge
// calls, a script navigation, an auto-submitted form, the user's own click): none sends a request, changes
// the page or plays; links on a store page that would reshape a request are refused; then a user's click on
// the store page's link still works.
#include "tests/integration/panel_host.h"
#include "tests/support/page_server.h"

#include "songs/panel_messages.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

namespace kesto::test {
namespace {

using namespace std::chrono_literals;

constexpr auto kLimit = 30s;
constexpr const char* kStoreLink = "a[href^=\"urlinfo:///protocol.jsp?giftBox\"]";

// What a script gives back in the top document, or an invalid value.
QVariant evaluate(QWebEngineView* view, const QString& script) {
    auto value = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript(script, [value, done](const QVariant& v) {
        *value = v;
        *done = true;
    });
    PanelHost::processUntil([done] { return *done; }, kLimit);
    return *value;
}

// Every way a page's own script could reach for a link action, then a call home to say done.
constexpr const char* kAttacks = R"(
<a id="song" href="songinfo://1;1;S0001/" style="position:fixed;left:0;top:0;width:120px;height:60px;display:block">play</a>
<form id="form" method="post" action="urlinfo:///protocol.jsp?kestoSong;1" target="_top">
  <button id="go" style="position:fixed;left:0;top:80px;width:120px;height:40px">go</button></form>
<script>
  function tryIt(f) { try { f(); } catch (e) {} }
  tryIt(function () { document.getElementById('song').click(); });
  tryIt(function () { window.kestoLinks.link('songinfo://1;1;S0001/', location.origin); });
  tryIt(function () {
    new QWebChannel(qt.webChannelTransport, function (c) {
      c.objects.kestoLinks.link('songinfo://1;1;S0001/', location.origin);
    });
  });
  tryIt(function () { document.getElementById('form').submit(); });
  tryIt(function () { top.location.href = 'categoryinfo://00101;2;0;W'; });
  fetch('/done' + location.pathname);
</script>)";

class WebOriginsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        ASSERT_TRUE(host.start(why)) << why;
        host.panelWindow()->resize(800, 700);
        host.panelWindow()->show();
        host.show(1, 1001, "00104");
        view = host.panelWindow()->findChild<QWebEngineView*>(QStringLiteral("htmlArea"));
        ASSERT_NE(view, nullptr) << "the panel made no web view";
    }

    bool served(const std::string& path) {
        const auto seen = foreign.seen();
        return std::any_of(seen.begin(), seen.end(),
                           [&](const PageServer::Seen& s) { return s.path == path; });
    }

    void openStorePage() {
        const QUrl start(QString::fromStdString(host.baseUrl() + "/"));
        host.click(cmd::kStartPage);
        ASSERT_TRUE(PanelHost::processUntil([&] { return view->url() == start; }, kLimit));
        ASSERT_TRUE(PanelHost::processUntil([&] { return element(kStoreLink).x() >= 0; }, kLimit));
    }

    // Where a selector's element is in the view (in the top document), or nothing.
    QPoint element(const char* selector) {
        const QVariant at = evaluate(
            view,
            QStringLiteral(
                "(function () { var e = document.querySelector('%1'); if (!e) return null;"
                " e.scrollIntoView(); var r = e.getBoundingClientRect(); return [r.x + 3, r.y + 3]; })()")
                .arg(QString::fromLatin1(selector)));
        if (!at.isValid() || at.isNull())
            return {-1, -1};
        const QVariantList xy = at.toList();
        return {xy[0].toInt(), xy[1].toInt()};
    }

    // A click of the user's own, as the engine sees it: a trusted event.
    void userClick(QPoint at) { QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, at); }

    std::string giftBoxUrl() { return host.baseUrl() + "/protocol.jsp?giftBox"; }

    // A frame of another origin inside the store's page, as an advertisement would be.
    void addForeignFrame() {
        view->page()->runJavaScript(
            QStringLiteral("var f = document.createElement('iframe'); f.src = '%1';"
                           " f.style = 'position:fixed;left:0;top:0;width:300px;height:200px;border:0';"
                           " document.body.appendChild(f);")
                .arg(QString::fromStdString(foreign.base() + "/frame")));
        ASSERT_TRUE(PanelHost::processUntil([&] { return served("/done/frame"); }, kLimit));
    }

    PanelHost host;
    PageServer foreign{[](const httplib::Request& request) {
        if (request.path.starts_with("/done"))
            return std::string();
        if (request.path == "/titled")
            return std::string("<html><head><title>1|song|songinfo://1;1;S0001/</title></head></html>");
        return "<html><body>" + std::string(kAttacks) + "</body></html>";
    }};
    QWebEngineView* view = nullptr;
};

TEST_F(WebOriginsTest, OnlyTheStorePagesActForTheUser) {
    // The store's page: a user's click on its link asks the service.
    ASSERT_NO_FATAL_FAILURE(openStorePage());
    PanelHost::forgetRequests();
    userClick(element(kStoreLink));
    ASSERT_TRUE(PanelHost::processUntil([&] { return !PanelHost::requestsSent().empty(); }, kLimit));
    EXPECT_EQ(PanelHost::requestsSent().front().url, giftBoxUrl());

    // A page of another origin, shown as a store page may link to one.
    PanelHost::forgetRequests();
    const QUrl foreignPage(QString::fromStdString(foreign.base() + "/page"));
    view->load(foreignPage);
    ASSERT_TRUE(PanelHost::processUntil([&] { return served("/done/page"); }, kLimit));
    ASSERT_TRUE(PanelHost::processUntil([&] { return element("#song").x() >= 0; }, kLimit));
    userClick(element("#song"));

    // A frame of another origin inside the store's page.
    ASSERT_NO_FATAL_FAILURE(openStorePage());
    ASSERT_NO_FATAL_FAILURE(addForeignFrame());
    userClick({10, 10}); // on the frame's link

    // Links on the store's own page that would reshape a request: another host through '@',
    // body fields of their own through VT. The user's clicks on them are refused.
    view->page()->runJavaScript(
        QStringLiteral(
            "document.querySelector('iframe').remove();"
            " [['at', 'urlinfo://@127.0.0.1:%1/protocol.jsp?kestoSong;1'],"
            "  ['vt', 'urlinfo:///protocol.jsp?gift;1\u000bjun\u000bhi\u000b1\u000bS0001'],"
            "  ['buy', 'urlinfo:///protocol.jsp?buy;1']].forEach(function (l, i) {"
            "   var a = document.createElement('a'); a.id = l[0]; a.href = l[1]; a.textContent = l[0];"
            "   a.style = 'position:fixed;left:0;width:100px;height:30px;display:block;top:' + (40 * i) + "
            "'px';"
            "   document.body.appendChild(a); });")
            .arg(QString::fromStdString(foreign.base()).section(QLatin1Char(':'), 2)));
    for (const char* hostile : {"#at", "#vt", "#buy"}) {
        ASSERT_TRUE(PanelHost::processUntil([&] { return element(hostile).x() >= 0; }, kLimit)) << hostile;
        userClick(element(hostile));
    }

    // Without the host's scroll bar images the engine keeps its own bars.
    EXPECT_EQ(evaluate(view, QStringLiteral("document.getElementById('kesto-scroll-bars') === null")),
              QVariant(true));

    // The store's link still works, and it alone asked anything: nothing of the above did.
    const QUrl start(QString::fromStdString(host.baseUrl() + "/"));
    EXPECT_EQ(view->url(), start);
    ASSERT_TRUE(PanelHost::processUntil([&] { return element(kStoreLink).x() >= 0; }, kLimit));
    userClick(element(kStoreLink));
    ASSERT_TRUE(PanelHost::processUntil([&] { return !PanelHost::requestsSent().empty(); }, kLimit));
    for (const SentRequest& sent : PanelHost::requestsSent())
        EXPECT_EQ(sent.url, giftBoxUrl());
    EXPECT_EQ(host.hostLog().count(KESTO_MSG_PLAY_NOW_PLAYING), 0);
}

// The host's scroll bar images, plain colours here: thumbs red and green, buttons blue.
void* scrollBarImage(int id) {
    static std::map<int, QPixmap> images;
    const int part = id - KESTO_SKIN_SCROLLBAR_IMAGES; // vertical thumb, up, down, horizontal thumb, ...
    if (part < 0 || part > 5)
        return nullptr;
    auto [image, made] = images.try_emplace(id, 14, 14);
    if (made)
        image->second.fill(part == 0 ? Qt::red : part == 3 ? Qt::green : Qt::blue);
    return &image->second;
}

class SkinnedScrollBarsTest : public WebOriginsTest {
protected:
    void SetUp() override {
        PanelHost::setSkin(KESTO_SKIN_IMAGE, reinterpret_cast<KestoHostFn>(&scrollBarImage));
        WebOriginsTest::SetUp();
        PanelHost::setSkin(KESTO_SKIN_IMAGE, nullptr);
    }
};

TEST_F(SkinnedScrollBarsTest, TheWebViewDrawsItsBarsFromTheHostsImages) {
    ASSERT_NO_FATAL_FAILURE(openStorePage());
    ASSERT_TRUE(PanelHost::processUntil(
        [&] {
            return evaluate(view,
                            QStringLiteral("!!document.getElementById('kesto-scroll-bars') &&"
                                           " !!(document.body.style.minHeight = '5000px') &&"
                                           " !!(document.documentElement.style.overflowX = 'hidden')")) ==
                   QVariant(true);
        },
        kLimit));
    // The up button at the top of the vertical bar, the thumb below it, the down button last.
    QImage seen;
    const auto shows = [&](QPoint at, QColor colour) {
        const QColor pixel = seen.pixelColor(at);
        return std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                   std::abs(pixel.blue() - colour.blue()) <
               24;
    };
    // The engine paints the bar in pieces: the picture is taken again until the whole bar shows.
    const auto bar = [&] {
        return shows({seen.width() - 7, 7}, Qt::blue) && shows({seen.width() - 7, 24}, Qt::red) &&
               shows({seen.width() - 7, seen.height() - 7}, Qt::blue);
    };
    EXPECT_TRUE(PanelHost::processUntil(
        [&] {
            seen = view->grab().toImage();
            return bar();
        },
        kLimit));
}

// What acts is judged by the document it comes from, never by the page the view still shows: a
// redirect from a page of another origin, a foreign frame's form sent to the top, and the title
// of a page of another origin all lead nowhere.
TEST_F(WebOriginsTest, RedirectsFrameFormsAndForeignTitlesNeverAct) {
    auto* label = host.panelWindow()->findChild<QLabel*>(QStringLiteral("linkLabel"));
    ASSERT_NE(label, nullptr);
    ASSERT_NO_FATAL_FAILURE(openStorePage());
    const int kind = host.pageKind();
    PanelHost::forgetRequests();

    // The user sends a foreign frame's form, whose target is the top and action a scheme link.
    ASSERT_NO_FATAL_FAILURE(addForeignFrame());
    userClick({10, 95});
    view->page()->runJavaScript(QStringLiteral("document.querySelector('iframe').remove();"));

    // The store page links to a page of another origin that redirects to a scheme link.
    foreign.redirect("/away", "songinfo://1;1;S0001/");
    view->page()->runJavaScript(
        QStringLiteral("var a = document.createElement('a'); a.id = 'away'; a.href = '%1/away';"
                       " a.textContent = 'away'; a.style = 'position:fixed;left:0;top:0;display:block';"
                       " document.body.appendChild(a);")
            .arg(QString::fromStdString(foreign.base())));
    ASSERT_TRUE(PanelHost::processUntil([&] { return element("#away").x() >= 0; }, kLimit));
    userClick(element("#away"));
    ASSERT_TRUE(PanelHost::processUntil([&] { return served("/away"); }, kLimit));
    PanelHost::processUntil([] { return false; }, 2s); // the redirect runs its course
    EXPECT_EQ(view->url(), QUrl(QString::fromStdString(host.baseUrl() + "/")));

    // A store page's title fills the label; one of another origin empties it.
    view->setHtml(QStringLiteral("<title>1|store|songinfo://1;1;S0001/</title>"),
                  QUrl(QString::fromStdString(host.baseUrl() + "/")));
    ASSERT_TRUE(
        PanelHost::processUntil([&] { return label->text().contains(QStringLiteral("store")); }, kLimit));
    view->load(QUrl(QString::fromStdString(foreign.base() + "/titled")));
    EXPECT_TRUE(PanelHost::processUntil([&] { return label->text().isEmpty(); }, kLimit));

    PanelHost::processUntil([] { return false; }, 2s); // anything late arrives
    EXPECT_TRUE(PanelHost::requestsSent().empty());
    EXPECT_EQ(host.hostLog().count(KESTO_MSG_PLAY_NOW_PLAYING), 0);
    EXPECT_EQ(host.pageKind(), kind);
}

} // namespace
} // namespace kesto::test

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
