#pragma once
// The player's texts from the store, tags and files on the screen: shown as written. Qt's
// labels, tooltips and message boxes guess rich text otherwise, and an <img> in a song title
// would make Qt read the file it names.

#include <QLabel>
#include <QMessageBox>
#include <QString>

namespace kesto {

class HostPlainText {
public:
    static QLabel* label(QWidget* parent, const QString& text = {}) {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        return label;
    }

    // Escaped, in a paragraph that keeps line breaks and wraps, so the tooltip reads as written.
    static QString toolTip(const QString& text) {
        return text.isEmpty()
                   ? QString()
                   : QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
    }

    static QMessageBox* messageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                                   QWidget* parent) {
        auto* box = new QMessageBox(icon, title, QString(), QMessageBox::Ok, parent);
        box->setTextFormat(Qt::PlainText);
        box->setText(text);
        return box;
    }
};

} // namespace kesto
