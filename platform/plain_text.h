#pragma once
// Text from the server, a file, the settings or a web page on the screen. Qt's labels, tooltips
// and message boxes guess rich text unless told otherwise, and markup in such a text could name
// a file to read (an <img> of /dev/zero reads until memory runs out): it is always shown as
// written. Markup stays for texts the program writes itself.

class QLabel;
class QString;
class QWidget;

namespace kesto {

class PlainText {
public:
    // A label that shows its text as written, now and whatever is set later.
    static QLabel* label(const QString& text, QWidget* parent);
    // A tooltip text that reads as written: escaped, in a paragraph that keeps its line breaks
    // and wraps long lines. Empty for an empty text (no tooltip).
    static QString toolTip(const QString& text);
};

} // namespace kesto
