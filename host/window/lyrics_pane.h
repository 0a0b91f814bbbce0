#pragma once
// A pane of the main window with the lyrics page of the song the module asks lyrics for.

#include <QDockWidget>
#include <QUrl>

namespace kesto {

class LyricsPane : public QDockWidget {
    Q_OBJECT
public:
    explicit LyricsPane(QWidget* parent = nullptr);

    void showPage(const QUrl& page);
    QUrl page() const { return page_; }

private:
    QUrl page_;
};

} // namespace kesto
