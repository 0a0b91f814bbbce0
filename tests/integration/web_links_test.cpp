// The hyperlinks of the purchase and gift dialogs through the real module, against the
// reference service: the bridged page is posted with the user's credentials, the charge page
// with its form, the help pages are asked as they are, all in one browser window. The host
// here has no web engine, so the window is the light one, which asks its pages through the
// host's request function.
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"

#include <algorithm>

namespace kesto::test {
namespace {

std::vector<QWidget*> browserWindows() {
    std::vector<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("webBrowserWindow"))
            found.push_back(widget);
    return found;
}

// Clicks the named links of a dialog one after another, then cancels it; queued, so that no
// step runs inside the modal handler.
DialogScript::Act clickLinks(std::vector<QString> names) {
    return [names = std::move(names)](QWidget* dialog) {
        for (const QString& name : names)
            if (auto* link = dialog->findChild<QWidget*>(name))
                QTimer::singleShot(0, link,
                                   [link] { QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3)); });
            else
                ADD_FAILURE() << "no link " << name.toStdString();
        DialogScript::click(dialog, QStringLiteral("cancel"));
    };
}

class WebLinksTest : public PanelEntriesTest {
protected:
    void SetUp() override {
        PanelEntriesTest::SetUp();
        host.show(2, kChartMenu, kChart);
        host.list()->setRowChecked(0, true);
    }

    std::string credentials() {
        return std::string("userid=tester&password=") + login().password + "&u_key=" + login().uKey;
    }

    // Opens the dialog of the command, runs the script and waits until the dialog is gone.
    void run(int command, const QString& dialog, std::vector<QString> links) {
        DialogScript script;
        script.then(dialog, clickLinks(std::move(links)));
        PanelHost::forgetRequests();
        host.click(command);
        ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 10s));
        PanelHost::processPending();
    }

    std::vector<SentRequest> requestsTo(const std::string& path) {
        std::vector<SentRequest> found;
        for (const SentRequest& r : PanelHost::requestsSent())
            if (r.url == host.baseUrl() + path)
                found.push_back(r);
        return found;
    }
};

TEST_F(WebLinksTest, PurchaseAndGiftLinksOpenTheirPagesInOneBrowserWindow) {
    run(cmd::kBuy, QStringLiteral("purchase"),
        {QStringLiteral("authBuy"), QStringLiteral("freeDownloadLink"), QStringLiteral("mp3PlayerHelpLink"),
         QStringLiteral("phoneHelpLink"), QStringLiteral("faqLink"), QStringLiteral("chargeLink"),
         QStringLiteral("myPageLink")});
    // Purchase authentication is the host's page (1130); free downloads are asked as they are.
    ASSERT_NE(host.hostLog().last(KESTO_MSG_OPEN_WEB_PAGE), nullptr);
    EXPECT_NE(host.hostLog().last(KESTO_MSG_OPEN_WEB_PAGE)->wText.find("/auth_buy.jsp"), std::string::npos);
    EXPECT_EQ(requestsTo("/free_download.jsp").size(), 1U);

    // The questions page as it is, by GET: the desktop has no browser here, so the window shows it.
    const auto faq = requestsTo("/kesto_player_faqlist.jsp");
    ASSERT_EQ(faq.size(), 1U);
    EXPECT_EQ(faq[0].body, "");
    const auto charge = requestsTo("/cash_charge.jsp");
    ASSERT_EQ(charge.size(), 1U);
    EXPECT_EQ(charge[0].body, credentials());
    // The device pages and the user's page go through the log-in bridge (parameters 10, 9, 8).
    const auto bridged = requestsTo("/LoginAppToWeb.jsp");
    ASSERT_EQ(bridged.size(), 3U);
    const std::array<const char*, 3> params = {"10", "9", "8"};
    for (std::size_t i = 0; i < params.size(); ++i)
        EXPECT_EQ(bridged[i].body, credentials() + "&appParam=" + params[i] + "&webParam=");

    const auto windows = browserWindows();
    ASSERT_EQ(windows.size(), 1U);
    EXPECT_TRUE(windows[0]->isVisible());
    // The service took the credentials: the user's own page, not the log-in notice.
    EXPECT_TRUE(windows[0]->windowTitle().contains(QString::fromUtf8("마이 페이지")))
        << windows[0]->windowTitle().toStdString();

    // The gift dialog offers the counselling page, asked as it is, in the same window.
    run(cmd::kGift, QStringLiteral("gift"), {QStringLiteral("counselLink")});
    const auto counsel = requestsTo("/counselCate.jsp");
    ASSERT_EQ(counsel.size(), 1U);
    EXPECT_EQ(counsel[0].body, "");
    ASSERT_EQ(browserWindows().size(), 1U);
    EXPECT_TRUE(browserWindows()[0]->windowTitle().contains(QString::fromUtf8("고객 상담")));

    // Entry 17 closes the window with the panel.
    EXPECT_EQ(host.entry<KestoEntry17>(17)(), 1);
    PanelHost::processPending();
    EXPECT_TRUE(browserWindows().empty());
}

} // namespace
} // namespace kesto::test
