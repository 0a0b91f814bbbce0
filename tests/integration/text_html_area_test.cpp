// The plain HTML area: the blank page, the address it was sent to, and clicked links handed
// over as the page wrote them, never followed.
#include "webview/text_html_area.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(TextHtmlAreaTest, StartsBlankAndRemembersWhereItWasSent) {
    TextHtmlArea area;
    EXPECT_TRUE(area.showsBlank());
    area.navigate("http://127.0.0.1:1/chart.jsp?code=00101");
    EXPECT_FALSE(area.showsBlank());
    EXPECT_EQ(area.address(), "http://127.0.0.1:1/chart.jsp?code=00101");
    EXPECT_TRUE(area.toPlainText().contains(QStringLiteral("chart.jsp")));
    area.navigate(HtmlArea::kBlankPage);
    EXPECT_TRUE(area.showsBlank());
    EXPECT_TRUE(area.toPlainText().isEmpty());
}

TEST(TextHtmlAreaTest, TheSameAddressAgainKeepsThePageAndOtherHtmlIsReplacedByIt) {
    TextHtmlArea area;
    int rebuilt = 0;
    QObject::connect(area.document(), &QTextDocument::contentsChanged, [&rebuilt] { ++rebuilt; });
    area.navigate("http://127.0.0.1:1/chart.jsp");
    const int once = rebuilt;
    EXPECT_GT(once, 0);
    area.navigate("http://127.0.0.1:1/chart.jsp"); // a page switch to the same web page
    EXPECT_EQ(rebuilt, once);
    EXPECT_EQ(area.address(), "http://127.0.0.1:1/chart.jsp");
    area.setHtml("<p>other</p>");
    EXPECT_TRUE(area.address().empty());
    area.navigate("http://127.0.0.1:1/chart.jsp");
    EXPECT_TRUE(area.toPlainText().contains(QStringLiteral("chart.jsp")));
    EXPECT_EQ(area.address(), "http://127.0.0.1:1/chart.jsp");
    area.navigate(HtmlArea::kBlankPage);
    area.navigate(HtmlArea::kBlankPage);
    EXPECT_TRUE(area.showsBlank());
    EXPECT_TRUE(area.toPlainText().isEmpty());
}

TEST(TextHtmlAreaTest, ClickedLinksGoToTheHandlerAndAreNotFollowed) {
    TextHtmlArea area;
    std::vector<std::string> links;
    area.setLinkHandler([&links](const std::string& link) { links.push_back(link); });
    area.resize(300, 200);
    area.show();
    area.setHtml("<p><a href=\"songinfo://12345/\">song</a></p>");
    QTextCursor cursor(area.document());
    cursor.setPosition(2);
    QTest::mouseClick(area.viewport(), Qt::LeftButton, {}, area.cursorRect(cursor).center());
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0], "songinfo://12345/"); // as written, not as a URL would read it
    EXPECT_TRUE(area.toPlainText().contains(QStringLiteral("song"))); // still the same page
    EXPECT_TRUE(area.address().empty());
}

} // namespace
} // namespace kesto
