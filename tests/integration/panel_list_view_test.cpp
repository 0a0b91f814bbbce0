// What the list view shows for the pages and the host: the link label, the host's colours, and
// a host window that goes first. Every test runs in its own process.
#include "tests/integration/panel_entries_fixture.h"

namespace kesto::test {
namespace {

TEST_F(PanelEntriesTest, HostSkinTypeAndMarkingChooseTheRowColours) {
    host.show(kListOnly, kChartMenu, kFiftyRowChart);
    SongListView* list = host.list();
    list->setRowChecked(0, true); // selection text: blue in skin 1, green in the others
    list->setCurrentRow(2);       // the current row: orange while marking is on
    auto count = [list](bool (*match)(const QColor&)) {
        const QImage image = list->viewport()->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += match(image.pixelColor(x, y)) ? 1 : 0;
        return n;
    };
    auto blue = [](const QColor& c) { return c.blue() > c.red() + 40 && c.blue() > c.green() + 10; };
    auto green = [](const QColor& c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; };
    auto orange = [](const QColor& c) { return c.red() > c.green() + 40 && c.green() > c.blue() + 40; };
    const int blueFirst = count(blue);
    const int greenFirst = count(green);
    const int orangeMarked = count(orange);
    EXPECT_EQ(host.entry<KestoEntry21>(21)(2), 2);
    EXPECT_LT(count(blue), blueFirst);
    EXPECT_GT(count(green), greenFirst);
    EXPECT_EQ(host.entry<KestoEntry22>(22)(1), 1);
    EXPECT_LT(count(orange), orangeMarked);
}

TEST_F(PanelEntriesTest, LinkLabelShowsTheTitleLinkOfThePageAndFollowsIt) {
    host.show(2, kChartMenu, kFiftyRowChart);
    const std::string album = host.rowRecords()[0]->text(SongField::Album_ID);
    host.show(3, kChartMenu, kFiftyRowChart); // list and web area
    auto* label = host.panelWindow()->findChild<QLabel*>(QStringLiteral("linkLabel"));
    ASSERT_NE(label, nullptr);
    auto click = [&] {
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
        PanelHost::processPending();
    };
    const QString title = QStringLiteral("2|Home|http://example.invalid/|Album|albuminfo://%1;2;0/")
                              .arg(QString::fromStdString(album));
    htmlText()->setHtml(
        QStringLiteral("<html><head><title>%1</title></head><body>page</body></html>").arg(title));
    ASSERT_TRUE(label->isVisible());
    EXPECT_EQ(label->text().contains(QStringLiteral(">Album<")), true) << label->text().toStdString();
    PanelHost::forgetRequests();
    click();
    EXPECT_EQ(requestsOf("album"), 1);
    EXPECT_EQ(host.pageKind(), 16);

    // A link of no scheme opens in the host's browser window when it is a page of the store;
    // any other address is never handed to the host.
    const std::string store = host.baseUrl() + "/notice.jsp";
    for (const std::string& link :
         {std::string("http://example.invalid/notice"), std::string("file:///etc/passwd"),
          std::string("javascript:alert(1)"), host.baseUrl() + "@example.invalid/", store}) {
        host.show(3, kChartMenu, kFiftyRowChart);
        htmlText()->setHtml(QStringLiteral("<html><head><title>1|Notice|%1</title></head></html>")
                                .arg(QString::fromStdString(link)));
        click();
    }
    const auto opened = host.hostLog().of(KESTO_MSG_OPEN_WEB_PAGE);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].text.find(store), std::string::npos) << opened[0].text;

    // The list alone shows no label; a title without links clears it.
    host.show(kListOnly, kChartMenu, kFiftyRowChart);
    htmlText()->setHtml(
        QStringLiteral("<html><head><title>1|Again|http://example.invalid/</title></head></html>"));
    EXPECT_FALSE(label->isVisible());
}

TEST_F(PanelEntriesTest, HostWindowDestroyedBeforeEntry17) {
    host.show(2, kChartMenu, kFiftyRowChart);
    listenTo({0, 1});
    host.show(kListOnly, kNowPlayingMenu);
    host.destroyHostWindow();
    // Every entry that reaches the panel's widgets finds none and does nothing.
    EXPECT_EQ(host.entry<KestoEntry20>(20)(), nullptr);
    host.entry<KestoEntry23>(23)(2, "", kChartMenu, kFiftyRowChart, 0);
    playNext(-1, 0);
    EXPECT_EQ(host.entry<KestoEntry25>(25)(2), 1);
    EXPECT_EQ(host.entry<KestoEntry53>(53)(1), 0);
    KestoRect rect{};
    EXPECT_EQ(host.entry<KestoEntry74>(74)(1, &rect), nullptr);
    EXPECT_EQ(host.entry<KestoEntry18>(18)(nullptr, 0, 0, 10, 10, 0), 0);
    host.entry<KestoEntry67>(67)();
    EXPECT_EQ(host.entry<KestoEntry75>(75)(), 0);
    host.entry<KestoEntry45>(45)();
    // Mini mode and files handed over find no host window to tell either.
    const KestoRect miniRect{100, 100, 500, 400};
    EXPECT_EQ(host.entry<KestoEntry27>(27)(&miniRect), 1);
    host.entry<KestoEntry26>(26)(1);
    host.entry<KestoEntry45>(45)();
    host.entry<KestoEntry26>(26)(0);
    host.entry<KestoEntry43>(43)(fileList({localFile("late")}).c_str());
    PanelHost::processPending();
    EXPECT_EQ(host.entry<KestoEntry17>(17)(), 1);
    EXPECT_EQ(host.entry<KestoEntry0>(0)(), 0);
}

} // namespace
} // namespace kesto::test
