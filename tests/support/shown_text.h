#pragma once
// The text a widget shows, as a reader sees it: rich text rendered with no resource loaded (a
// test must not read what an <img> names either), plain text as it is.

#include <QByteArray>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

#include <fstream>

namespace kesto::test {

class ResourcelessDocument final : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return QByteArray(); }
};

inline QString shownText(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    ResourcelessDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// What the process holds in memory, to show that nothing an <img> names was read.
inline long residentKiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * 4;
}

} // namespace kesto::test
