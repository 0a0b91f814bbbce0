// The text browser that stands in for the web engine renders the store's HTML but loads
// nothing a page names: an <img> of /dev/zero would be read until memory runs out.
#include "tests/support/shown_text.h"
#include "webview/text_html_area.h"

#include <QApplication>
#include <QTest>

class TextHtmlAreaTest : public QObject {
    Q_OBJECT
private slots:
    void rendersThePageWithoutReadingWhatItNames() {
        kesto::TextHtmlArea area;
        area.show();
        const long start = kesto::test::residentKiB();
        area.setHtml("<p><img src=\"/dev/zero\"><img src=\"file:///dev/zero\"><b>x</b></p>");
        area.grab();
        QCOMPARE(area.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("x"));
        QVERIFY(kesto::test::residentKiB() - start < 64 * 1024);
    }
};

QTEST_MAIN(TextHtmlAreaTest)
#include "text_html_area_test.moc"
